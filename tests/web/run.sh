#!/usr/bin/env bash
# The browser build, built with the "web" preset and played in headless Chromium
# (page_test.py). Exit 77 (skipped) when emscripten, Chromium or its driver is missing.
#   run.sh SOURCE_DIR [SCREENSHOT_DIR]
set -uo pipefail
src=$(cd "$1" && pwd) || exit 1
for tool in emcc /usr/bin/chromium /usr/bin/chromedriver; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool (scripts/install-deps.sh installs it)"; exit 77; }
done
/usr/bin/python3 -c "import selenium, PIL" 2>/dev/null || { echo "skipped: no python3-selenium or python3-pil"; exit 77; }
cd "$src" || exit 1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
{ cmake --preset web && cmake --build --preset web; } >"$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
/usr/bin/python3 tests/web/page_test.py build/web tests/window/first-picture.png "${2:-}"
