# Reading and clicking the windows of a program under Wine, from outside. Needs WINE_WINDOW_TEXT
# set to window_text.exe (shell/tests/WindowText.cpp) and an X server. X input reaches Wine's
# windows by the pointer: these click, they do not type.

# WineText ARGS...: what window_text.exe answers (see its usage).
WineText() { timeout 20 /usr/lib/wine/wine64 "$WINE_WINDOW_TEXT" "$@"; }

# WineWaitFor TITLE [CLASS TEXT]: the client area "left top width height" of that window (or
# of its child), once it is shown; fails after 20 seconds.
WineWaitFor() {
  local area
  for _ in $(seq 1 100); do
    if area=$(WineText --client "$@"); then echo "$area"; return 0; fi
    sleep 0.2
  done
  return 1
}

# WineWaitGone TITLE [CLASS TEXT]: until that window (or child) is no longer shown.
WineWaitGone() {
  for _ in $(seq 1 50); do
    WineText --client "$@" >/dev/null || return 0
    sleep 0.2
  done
  return 1
}

# WineClick AREA X Y: a left click at (X, Y) of a client area from WineWaitFor.
WineClick() {
  local left top
  read -r left top _ <<<"$1"
  xdotool mousemove $((left + $2)) $((top + $3)) click 1
  sleep 0.3
}
