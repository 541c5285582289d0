#!/usr/bin/env bash
# The layering check against includes planted in a copy of the tree, one at a time: each
# spelling must be caught, named with its file; an include that reaches down passes.
#   planted_includes_test.sh SOURCE_DIR
set -uo pipefail
src=$(cd "$1" && pwd) || exit 1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
tar -C "$src" --exclude=node_modules -cf - common startup engine formulas navigation platform \
  toolkit window demos tools scripts/check_layers.py | tar -C "$tree" -xf -
check() { python3 "$tree/scripts/check_layers.py" "$tree" "$1"; }
printf '#include "../common/checked.h"\n' >"$tree/engine/down.cpp"
check engine/down.cpp >/dev/null || { echo "FAIL: an include that reaches down is refused"; exit 1; }

#   file to plant             | what it holds
read -r -d '' PLANTS <<'ROWS'
engine/planted.cpp          | #include "../window/avc.h"
formulas/planted.cpp        | # include "toolkit/skin.h"
toolkit/planted.cpp         | #include "window/planted.hpp"
common/planted.h            | #include <QString>
startup/planted.cpp         | #include <window/avbox.h>
engine/planted_macro.cpp    | #define UP "platform/form.h"\n#include UP
toolkit/colour_plan.cpp     | #include "toolkit/skin.h"
tools/planted.cpp           | #include "window/avcalc1.h"
window/planted.cpp          | #include <QLabel>
window/planted_view.cpp     | #include "platform/web/page.h"
platform/planted.cpp        | #include <QWidget>
ROWS
failed=0
while IFS='|' read -r file line; do
  file=$(xargs <<<"$file")
  line=$(sed 's/^ *//' <<<"$line")
  cp "$tree/$file" "$tree/$file.orig" 2>/dev/null
  printf '%b\n' "$line" >>"$tree/$file"
  : >"$tree/window/planted.hpp"
  out=$(check "$file")
  if [ $? -eq 0 ] || ! grep -q "^$file:" <<<"$out"; then
    echo "FAIL: $file with '$line' was not caught: $out"
    failed=1
  fi
  rm -f "$tree/window/planted.hpp"
  if [ -f "$tree/$file.orig" ]; then mv "$tree/$file.orig" "$tree/$file"; else rm "$tree/$file"; fi
done <<<"$PLANTS"
[ "$failed" -eq 0 ] && echo "ok: every planted include caught"
exit "$failed"
