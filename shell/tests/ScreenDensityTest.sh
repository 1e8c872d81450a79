#!/usr/bin/env bash
# Starts the real program on a 125% and a 150% desktop (Xft.dpi 120 and 144, as desktops set
# it) and checks that the main window grows with its text: the font follows the density, and
# the layout follows the font's text height (17 and 20 pixels against the designed 13).
# Usage (under an X server started with -noreset): ScreenDensityTest.sh PATH/TO/varnex
set -euo pipefail
program=$(realpath "$1")

Fail() { echo "FAIL: $*" >&2; exit 1; }

for expected in "120 347x231" "144 408x272"; do
  read -r dpi size <<<"$expected"
  echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
  "$program" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Varnex v3\.0$' | head -n 1) ||
    Fail "no window at $dpi pixels per inch"
  shown=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
  kill "$pid"
  wait "$pid" || true
  echo "$dpi pixels per inch: main window $shown"
  [[ $shown == "$size" ]] || Fail "at $dpi pixels per inch the main window is $shown, not $size"
done
