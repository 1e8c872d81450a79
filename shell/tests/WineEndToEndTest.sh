#!/usr/bin/env bash
# Drives the real varnex.exe under Wine in a real X server, as a user would, with X input:
# "Create Male Info" and the box's text read back exactly, a missing word list's message box
# read back exactly, "Clear", "About" and OK, "Exit" and its exit code. Every step has a
# timeout. Usage (under an X server, with WINEPREFIX prepared):
#   WineEndToEndTest.sh PATH/TO/varnex.exe PATH/TO/window_text.exe
set -euo pipefail
program=$(realpath "$1")
WINE_WINDOW_TEXT=$(realpath "$2")
here=$(dirname "$0")
source "$here/word-lists.sh"
source "$here/../../scripts/lib/wine-windows.sh"
wine=/usr/lib/wine/wine64
folder=$(mktemp -d)
pid=
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
cd "$folder"
WriteWordLists

Fail() { echo "FAIL: $*" >&2; exit 1; }

"$wine" "$program" &
pid=$!
main=$(WineWaitFor "Varnex v3.0") || Fail "no window titled 'Varnex v3.0'"
[[ $(cut -d' ' -f3-4 <<<"$main") == "265 177" ]] || Fail "client area $main, not 265 x 177"

WineClick "$main" 68 124 # Create Male Info
for _ in $(seq 1 50); do
  text=$(WineText "Varnex v3.0" Edit)
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
WineClick "$main" 196 124 # Create Female Info
# The failure box is captioned "Varnex", as the application window (the taskbar entry) is:
# wait for its OK button.
ok=$(WineWaitFor "Varnex" Button OK) || Fail "no failure box"
message=$(WineText "Varnex" Static)
[[ $message == "Cannot open file areas.txt." ]] || Fail "the failure box says '$message'"
WineClick "$ok" 10 10
WineWaitGone "Varnex" Button OK || Fail "OK left the failure box open"
[[ $(WineText "Varnex v3.0" Edit) == "$text" ]] || Fail "the failure changed the box"

WineClick "$main" 49 156 # Clear
for _ in $(seq 1 50); do
  [[ -z $(WineText "Varnex v3.0" Edit) ]] && break
  sleep 0.2
done
[[ -z $(WineText "Varnex v3.0" Edit) ]] || Fail "Clear left text in the box"

WineClick "$main" 133 156 # About
about=$(WineWaitFor "About") || Fail "no About window"
WineClick "$about" 101 188 # OK
WineWaitGone "About" || Fail "OK left the About window open"

WineClick "$main" 216 156 # Exit
status=0
timeout 20 tail --pid="$pid" -f /dev/null || Fail "Exit did not end the program"
wait "$pid" || status=$?
pid=
[[ $status -eq 0 ]] || Fail "exit code $status"
echo "passed"
