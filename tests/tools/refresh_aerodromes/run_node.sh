#!/bin/sh
# Runs a test written for node. Without node it says so and exits 77, which CTest counts
# as skipped.
if ! command -v node >/dev/null 2>&1; then
    echo "SKIPPED: node is not installed (Debian package nodejs)"
    exit 77
fi
exec node "$@"
