#!/usr/bin/env bash
# The real program inside a real window manager (openbox under Xvfb): the client area of
# the main window and of a help box must keep its designed size in pixels inside the
# frame, centred in the work area, and the frame's close control must take the program's
# own close path (the farewell box, then exit status 0).
#
# Designed sizes: the main window is 10400 x 4350 twips enlarged by 1.28, that is
# 13312 x 5568 twips, 887 x 371 pixels at 15 twips per pixel (887.47 and 371.2 rounded).
# A box is 7000 twips wide, 8960 enlarged, 597 pixels; its height follows its text, so
# it is compared with the same box shown without any window manager (no frame at all).
#
#   window_manager.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/desktop.sh"
cd "$1" || exit 1
for tool in xdotool xwininfo xprop openbox; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
desktop_start || exit 1
screenW=1280 screenH=800
err=$(mktemp)
pid=""
wm=""
fail() {
  echo "FAIL: $*"; cat "$err"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  exit 1
}

# "left top width height" of a window's client area, in screen pixels.
client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                           /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'
}

# Checks one client area: its size, and its place centred in the screen (the work area
# here: no panel) to within the half pixel an odd difference leaves.
check() {
  local what="$1" want_w="$2" want_h="$3" x y w h
  read -r x y w h <<<"$4"
  [ "$w" = "$want_w" ] && [ "$h" = "$want_h" ] ||
    fail "$what: client area ${w}x${h}, designed ${want_w}x${want_h}"
  local dx=$((2 * x + w - screenW)) dy=$((2 * y + h - screenH))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
    fail "$what: client area at $x,$y is not centred"
  echo "$what: client ${w}x${h} at $x,$y"
}

start() {
  ./Quenmar_Aviation_Calculator 2>"$err" &
  pid=$!
  main=$(wait_window "Quenmar")
  [ -n "$main" ] || fail "the main window did not appear"
  sleep 1
}

# A right click on the window's background (below the formula buttons) shows its help.
open_help() {
  local x y w h
  read -r x y w h <<<"$(client "$main")"
  xdotool mousemove $((x + w - 20)) $((y + h - 10)) click 3
  help=$(wait_window "Aviation Calculator Help" 10)
  [ -n "$help" ] || fail "no help box"
  sleep 0.5
}

# Reference: the same help box with no window manager.
start
open_help
read -r _ _ bare_w bare_h <<<"$(client "$help")"
kill "$pid"; wait "$pid" 2>/dev/null; pid=""

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

start
extents=$(xprop -id "$main" _NET_FRAME_EXTENTS)
case "$extents" in *"= "[1-9]*|*", "[1-9]*) ;; *) fail "the main window has no frame: $extents";; esac
check "main window" 887 371 "$(client "$main")"
open_help
check "help box" 597 "$bare_h" "$(client "$help")"
[ "$bare_w" = 597 ] || fail "help box without a window manager is $bare_w wide"

# The frame's close control, at the top right corner of the frame (openbox's theme:
# about 11 pixels in from the right and 10 down from the top).
close_frame() {
  local x y w l r t
  read -r x y w _ <<<"$(client "$1")"
  read -r l r t _ <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')"
  xdotool mousemove $((x + w + r - 11)) $((y - t + 10))
  sleep 0.2
  xdotool click 1
}
close_frame "$help"
sleep 1
xdotool search --onlyvisible --name "Aviation Calculator Help" >/dev/null && fail "the help box stayed open"
kill -0 "$pid" 2>/dev/null || fail "closing the help box ended the program"

close_frame "$main"
farewell_and_exit "$pid" asked || fail "after the frame's close control: $farewell_failure"
status=$exit_status
pid=""
kill "$wm" 2>/dev/null
[ "$status" -eq 0 ] || fail "exit status $status"
echo "ok: designed client areas inside openbox frames, centred; frame close -> farewell box -> exit 0"
