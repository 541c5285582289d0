# Sourced by every end-to-end script: a private desktop, and the program's ways in and out.
#   desktop_start [bus]       an X server of this shell's own (Xvfb, 1280 x 800, no window
#                             manager), ended with the shell; with "bus", a private D-Bus
#                             session with the accessibility bus and registry as well, the
#                             way a screen reader reaches the program (Qt's bridge switched on)
#   wait_window NAME [S]      prints the id of a visible window whose name holds NAME (waits
#                             S seconds, 20 by default; prints nothing when none came)
#   focus_keypad WIN          clicks the keypad's first key, which takes the keyboard, and
#                             deletes the digit the click typed
#   farewell_and_exit PID [asked]
#                             Esc on the keypad (again while a window coming up loses it; not
#                             when the box was "asked" for already) until the farewell box
#                             comes, runs $at_farewell if set, then Esc on the box until the
#                             program ends. Sets exit_status; on a failure sets
#                             farewell_failure and returns 1.
# Needs xvfb (Xvfb), xdotool; with "bus" dbus-daemon, at-spi2-core and gdbus.

desktop_stop() {
  [ -n "${desktop_bus_pid:-}" ] && kill "$desktop_bus_pid" 2>/dev/null
  [ -n "${desktop_x_pid:-}" ] && kill "$desktop_x_pid" 2>/dev/null
  [ -n "${desktop_dir:-}" ] && rm -rf "$desktop_dir"
}

desktop_start() {
  desktop_dir=$(mktemp -d /tmp/desktop.XXXXXX)
  chmod 700 "$desktop_dir"
  trap desktop_stop EXIT
  Xvfb -displayfd 8 -screen 0 1280x800x24 -nolisten tcp -ac 8>"$desktop_dir/display" \
    >/dev/null 2>&1 &
  desktop_x_pid=$!
  local _
  for _ in $(seq 1 100); do [ -s "$desktop_dir/display" ] && break; sleep 0.05; done
  [ -s "$desktop_dir/display" ] || { echo "desktop: Xvfb did not start"; return 1; }
  export DISPLAY=":$(cat "$desktop_dir/display")" QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$desktop_dir"  # private: the accessibility bus puts its socket here
  [ "${1:-}" = bus ] || return 0
  local address="" reply
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$desktop_dir/bus.address" \
    4>"$desktop_dir/bus.pid" >/dev/null 2>&1 || { echo "desktop: no session bus"; return 1; }
  address=$(cat "$desktop_dir/bus.address")
  desktop_bus_pid=$(cat "$desktop_dir/bus.pid")
  export DBUS_SESSION_BUS_ADDRESS="$address" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  # Never set AT_SPI_BUS_ADDRESS: Qt 6.4 then connects inside a constructor, before its
  # bridge listens, and the program never appears. Both sides find the accessibility bus
  # through org.a11y.Bus, which Qt does not start itself: started here, then the registry
  # on it must answer before any program starts.
  unset AT_SPI_BUS_ADDRESS
  address=""
  for _ in $(seq 1 100); do
    reply=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
      --method org.a11y.Bus.GetAddress 2>/dev/null) &&
      address=$(sed -n "s/^('\(.*\)',)$/\1/p" <<<"$reply")
    [ -n "$address" ] && break
    sleep 0.1
  done
  [ -n "$address" ] || { echo "desktop: the accessibility bus did not start"; return 1; }
  for _ in $(seq 1 100); do
    gdbus call --address "$address" --dest org.a11y.atspi.Registry \
      --object-path /org/a11y/atspi/registry \
      --method org.a11y.atspi.Registry.GetRegisteredEvents >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "desktop: the AT-SPI registry did not start"
  return 1
}

wait_window() {
  local until=$((SECONDS + ${2:-20})) id
  while [ "$SECONDS" -lt "$until" ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
}

# The keypad's first key stands 480 x 1 - 300 + 225 twips from the display's left.
focus_keypad() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 33)) $((Y + 70)) click 1
  xdotool key BackSpace
}

farewell_and_exit() {
  local pid="$1" box="" _
  exit_status="" farewell_failure=""
  for _ in 1 2 3; do
    [ "${2:-}" = asked ] || xdotool key Escape
    box=$(wait_window "Learn to Fly" 5)
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || { farewell_failure="the program ended without its farewell box"; return 1; }
    # The key may have gone to a window that was still coming up: back to the main window
    # (no click: one could land on a farewell box that came up late).
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name Quenmar | head -n 1)" 2>/dev/null
  done
  [ -n "$box" ] || { farewell_failure="no farewell box (an unexpected box, or the program hangs)"; return 1; }
  sleep 0.2
  kill -0 "$pid" 2>/dev/null || { farewell_failure="the farewell box closed by itself"; return 1; }
  if [ -n "${at_farewell:-}" ]; then $at_farewell || return 1; fi
  for _ in $(seq 1 5); do
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Escape
    for _ in $(seq 1 10); do kill -0 "$pid" 2>/dev/null || break 2; sleep 0.1; done
  done
  kill -0 "$pid" 2>/dev/null && { farewell_failure="the program did not end"; return 1; }
  wait "$pid"
  exit_status=$?
}
