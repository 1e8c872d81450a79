# PrepareWinePrefix: makes the Wine prefix at $WINEPREFIX ready for Varnex's Windows tests,
# once: Debian's fonts-wine in its Fonts folder (so that "MS Sans Serif" measures as on
# Windows), Wine's own window frames (no window manager is needed, and hiding a window takes
# no seconds), and no crash dialog (a crash ends the test instead of waiting for a click).
PrepareWinePrefix() {
  local wine=/usr/lib/wine/wine64 stamp="$WINEPREFIX/.varnex-ready"
  [[ -e $stamp ]] && return 0
  "$wine" cmd /c exit
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  /usr/lib/wine/wineserver -w
  touch "$stamp"
}
