#!/usr/bin/env bash
# Installs what is missing, builds the browser build (the "web" preset) and serves the
# page on http://127.0.0.1:8080 until stopped (Ctrl+C).   Usage: scripts/web.sh [PORT]
set -euo pipefail
cd "$(dirname "$0")/.."
port="${1:-8080}"
bash scripts/install-deps.sh
cmake --preset web >/dev/null
cmake --build --preset web
echo "The calculator: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
