# Sourced by the end-to-end scripts: the program's way out as a user takes it, once the
# farewell box has been asked for (Esc on a keypad key, or the frame's close control).
#   farewell_and_exit PID  -- waits for the farewell box, dismisses it with Esc and waits
#   for the program (a child of this shell) to end. Sets exit_status; on a failure sets
#   farewell_failure to the reason and returns 1.
farewell_and_exit() {
  local pid="$1" box
  exit_status="" farewell_failure=""
  box=$(timeout 10 xdotool search --sync --onlyvisible --name "Learn to Fly" | head -n 1)
  [ -n "$box" ] || { farewell_failure="no farewell box"; return 1; }
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key Escape
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && { farewell_failure="the program did not end"; return 1; }
  wait "$pid"
  exit_status=$?
}
