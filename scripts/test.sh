#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Usage: scripts/test.sh [preset]   (default: the optimised build; "sanitize" for ASan + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/install-deps.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON   # CI holds the code to a warning-free build
cmake --preset "$preset" -DAVC_WERROR=$werror >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
