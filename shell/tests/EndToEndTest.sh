#!/usr/bin/env bash
# Drives the real program in a real X server, as a user would: start it in a folder of word
# lists, press "Create Male Info", copy the box's text to the clipboard, open the About
# window and close it with OK, press "Exit".
# Usage (under an X server, e.g. xvfb-run): EndToEndTest.sh PATH/TO/varnex
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/word-lists.sh"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
WriteWordLists

Fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Varnex v3\.0$' | head -n 1) ||
  Fail "no window titled 'Varnex v3.0'"
xprop -id "$window" WM_CLASS | grep -q '"Varnex"' || Fail "window class is not Varnex"

# Window coordinates of the designed layout: centres of the controls.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 68 124                               # Create Male Info
click 100 40                               # into the box
xdotool key --window "$window" ctrl+a ctrl+c
sleep 0.3
text=$(timeout 5 xclip -selection clipboard -o) || Fail "nothing on the clipboard"
echo "$text"
pattern='^(Adam|Brian) (Smith|Jones)
[1-9][0-9]{3} (Maple Ave|Oak St)
(Springfield, IL 62701|Dayton, OH 45402)

Phone: \((217|937)\) [1-9][0-9]{2}-[1-9][0-9]{3}
E-Mail: [ab](smith|jones)@(mail|post)\.(com|net)
D\.0\.B\. ([1-9]|1[01])/([1-9]|1[0-9]|2[0-8])/(6[5-9]|7[0-9]|8[0-4])$'
[[ $text =~ $pattern ]] || Fail "the box does not hold an identity"

click 133 156                              # About
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About$' | head -n 1) ||
  Fail "no About window"
xdotool mousemove --window "$about" 101 188 click 1 # OK
sleep 0.5
if xdotool search --onlyvisible --name '^About$' >/dev/null; then Fail "OK left the About window open"; fi

click 216 156                              # Exit
status=0
timeout 10 tail --pid="$pid" -f /dev/null || Fail "Exit did not end the program"
wait "$pid" || status=$?
[[ $status -eq 0 ]] || Fail "exit code $status"
