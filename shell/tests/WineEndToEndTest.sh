#!/usr/bin/env bash
# Drives the real varnex.exe under Wine in a real X server, as a user would, with X input:
# "Create Male Info" and the box's text read back exactly, a missing word list's message box
# read back exactly, "Clear", "About" and OK, "Exit" and its exit code. Every step has a
# timeout. Usage (under an X server, with WINEPREFIX prepared):
#   WineEndToEndTest.sh PATH/TO/varnex.exe PATH/TO/window_text.exe
set -euo pipefail
program=$(realpath "$1")
helper=$(realpath "$2")
wine=/usr/lib/wine/wine64
folder=$(mktemp -d)
pid=
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
cd "$folder"
printf 'Adam\r\nBrian' >males.txt
printf 'Alice' >females.txt
printf 'Smith\r\nJones' >last.txt
printf 'Springfield, IL 62701\r\nDayton, OH 45402' >cities.txt
printf '(217)\r\n(937)' >areas.txt
printf 'Maple Ave\r\nOak St' >streets.txt
printf 'mail.\r\npost.' >domains.txt
printf 'com\r\nnet' >dom_exts.txt

Fail() { echo "FAIL: $*" >&2; exit 1; }
Text() { timeout 20 "$wine" "$helper" "$@"; }
# WaitFor TITLE: the window's client area "left top width height", once it is shown.
# X input from xdotool reaches Wine's windows by the pointer: the test clicks, it does not type.
WaitFor() {
  local area
  for _ in $(seq 1 100); do
    if area=$(Text --client "$1"); then echo "$area"; return 0; fi
    sleep 0.2
  done
  return 1
}
# WaitGone TITLE [CLASS TEXT]: until that window (or child) is no longer shown.
WaitGone() {
  for _ in $(seq 1 50); do
    Text --client "$@" >/dev/null || return 0
    sleep 0.2
  done
  return 1
}
# Click AREA X Y: a left click at (X, Y) of the client area.
Click() {
  local left top
  read -r left top _ <<<"$1"
  xdotool mousemove $((left + $2)) $((top + $3)) click 1
  sleep 0.3
}

"$wine" "$program" &
pid=$!
main=$(WaitFor "Varnex v3.0") || Fail "no window titled 'Varnex v3.0'"
[[ $(cut -d' ' -f3-4 <<<"$main") == "265 177" ]] || Fail "client area $main, not 265 x 177"

Click "$main" 68 124 # Create Male Info
for _ in $(seq 1 50); do
  text=$(Text "Varnex v3.0" Edit)
  [[ -n $text ]] && break
  sleep 0.2
done
printf '%s\n' "$text"
pattern=$'^(Adam|Brian) (Smith|Jones)\r\n[1-9][0-9]{3} (Maple Ave|Oak St)\r\n'
pattern+=$'(Springfield, IL 62701|Dayton, OH 45402)\r\n\r\n'
pattern+=$'Phone: \\((217|937)\\) [1-9][0-9]{2}-[1-9][0-9]{3}\r\n'
pattern+=$'E-Mail: [ab](smith|jones)@(mail|post)\\.(com|net)\r\n'
pattern+=$'D\\.0\\.B\\. ([1-9]|1[01])/([1-9]|1[0-9]|2[0-8])/(6[5-9]|7[0-9]|8[0-4])$'
[[ $text =~ $pattern ]] || Fail "the box does not hold an identity"

rm areas.txt
Click "$main" 196 124 # Create Female Info
# The failure box is captioned "Varnex", as the application window (the taskbar entry) is.
for _ in $(seq 1 100); do
  Text --client "Varnex" Button OK >/dev/null && break
  sleep 0.2
done
message=$(Text "Varnex" Static)
[[ $message == "Cannot open file areas.txt." ]] || Fail "the failure box says '$message'"
ok=$(Text --client "Varnex" Button OK) || Fail "the failure box has no OK button"
Click "$ok" 10 10
WaitGone "Varnex" Button OK || Fail "OK left the failure box open"
[[ $(Text "Varnex v3.0" Edit) == "$text" ]] || Fail "the failure changed the box"

Click "$main" 49 156 # Clear
for _ in $(seq 1 50); do
  [[ -z $(Text "Varnex v3.0" Edit) ]] && break
  sleep 0.2
done
[[ -z $(Text "Varnex v3.0" Edit) ]] || Fail "Clear left text in the box"

Click "$main" 133 156 # About
about=$(WaitFor "About") || Fail "no About window"
Click "$about" 101 188 # OK
WaitGone "About" || Fail "OK left the About window open"

Click "$main" 216 156 # Exit
status=0
timeout 20 tail --pid="$pid" -f /dev/null || Fail "Exit did not end the program"
wait "$pid" || status=$?
pid=
[[ $status -eq 0 ]] || Fail "exit code $status"
echo "passed"
