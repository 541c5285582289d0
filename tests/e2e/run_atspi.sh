#!/usr/bin/env bash
# Runs a command on a private accessibility desktop: an X server of its own (Xvfb), a
# private D-Bus session, and in it the accessibility bus and the AT-SPI registry, started
# before the command so that a Qt program started by it finds them.
#
#   run_atspi.sh COMMAND [ARGS...]      exit status: the command's
#
# Needs xvfb and xauth (xvfb-run), dbus-daemon (dbus-run-session), at-spi2-core, gdbus
# (libglib2.0-bin, pulled in by at-spi2-core).
set -uo pipefail

if [ -z "${RUN_ATSPI_INNER:-}" ]; then
  for tool in xvfb-run dbus-run-session gdbus; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
  done
  # The accessibility bus puts its socket under XDG_RUNTIME_DIR, which must be private.
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/atspi-run.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR RUN_ATSPI_INNER=1
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" dbus-run-session -- "$0" "$@" 2> >(
    grep -v -e "Failed to set fd limit" -e "Activating service name" -e "Successfully activated" \
            -e "SpiRegistry daemon is running" >&2)
  status=$?
  rm -rf "$XDG_RUNTIME_DIR"
  exit $status
fi

# ---- inside Xvfb and the private session bus
unset RUN_ATSPI_INNER
export QT_QPA_PLATFORM=xcb                  # offscreen has no accessibility bridge
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1   # nothing here sets org.a11y.Status.IsEnabled
# Never set AT_SPI_BUS_ADDRESS: Qt 6.4 then connects inside a constructor, before its
# bridge listens, and the program never appears. Both sides find the bus through
# org.a11y.Bus, which Qt does not start itself: start it here (D-Bus activation).
unset AT_SPI_BUS_ADDRESS
address=""
for _ in $(seq 1 100); do
  reply=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
          --method org.a11y.Bus.GetAddress 2>/dev/null) &&
    address=$(sed -n "s/^('\(.*\)',)$/\1/p" <<<"$reply")
  [ -n "$address" ] && break
  sleep 0.1
done
[ -n "$address" ] || { echo "run_atspi.sh: the accessibility bus did not start"; exit 1; }
# The registry (activated on the accessibility bus) must answer before the program starts.
for _ in $(seq 1 100); do
  gdbus call --address "$address" --dest org.a11y.atspi.Registry \
    --object-path /org/a11y/atspi/registry \
    --method org.a11y.atspi.Registry.GetRegisteredEvents >/dev/null 2>&1 && exec "$@"
  sleep 0.1
done
echo "run_atspi.sh: the AT-SPI registry did not start"
exit 1
