#!/usr/bin/env bash
# Runs a command on a private accessibility desktop (tests/e2e/desktop.sh: Xvfb, a private
# D-Bus session, the accessibility bus and registry); the exit status is the command's.
#   run_atspi.sh COMMAND [ARGS...]
source "$(dirname "$0")/desktop.sh"
desktop_start bus || exit 1
"$@"
