#!/usr/bin/env bash
# End to end: the real program in a real X server (Xvfb), driven with xdotool as a user
# would: it must open its window, work out an expression typed on the keyboard, leave a
# screenshot, and end cleanly (exit status 0, nothing printed by the toolkit) when it is
# closed from the keypad with Esc and its farewell box is dismissed.
#
#   run_program.sh BUILD_DIR SCREENSHOT
set -uo pipefail
build="$1"
shot="$2"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
cd "$build" || exit 1
# This test needs the real X server it starts, whatever platform the caller chose
# (QT_QPA_PLATFORM=offscreen ctest would otherwise hide the window from xdotool).
export QT_QPA_PLATFORM=xcb

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$shot" "$(dirname "$0")/farewell.sh" <<'SCRIPT'
shot="$1"
source "$2"
err=$(mktemp)
XDG_RUNTIME_DIR=$(mktemp -d) ./Quenmar_Aviation_Calculator 2>"$err" &
pid=$!
fail() { echo "FAIL: $*"; cat "$err"; kill "$pid" 2>/dev/null; exit 1; }

win=$(timeout 20 xdotool search --sync --onlyvisible --name "Quenmar" | head -n 1)
[ -n "$win" ] || fail "the main window did not appear"
sleep 1
# The keypad's first key sits 480 x 1 - 300 + 225 twips from the left of the display's
# row; click it (it appends its digit), then delete that digit and type the expression.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 33)) $((Y + 70)) click 1
xdotool key BackSpace
xdotool type "2x(3+4)^2="
sleep 0.5
import -window root "$shot" || fail "no screenshot"

# Esc on the keypad closes the program: the farewell box appears, Esc dismisses it.
xdotool key Escape
farewell_and_exit "$pid" || fail "$farewell_failure"
status=$exit_status
[ "$status" -eq 0 ] || fail "exit status $status"
# The toolkit must not complain (warnings name Qt classes or start with "Q").
if grep -v -E "^$" "$err" | grep -q .; then fail "the program printed: $(cat "$err")"; fi
echo "ok: window shown, expression typed, screenshot taken, farewell box, exit status 0"
SCRIPT
