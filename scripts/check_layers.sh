#!/usr/bin/env bash
# The layering rule: a folder includes only from itself and the folders below it.
#   common < startup < engine < formulas < navigation   (pure: no Qt, no window)
#   < platform < toolkit < window < demos
# The pure arithmetic of the toolkit (colour_plan, gif_frames, dialog_layout) is built
# into the pure library too, so it may not include Qt or platform/ either.
# Usage: scripts/check_layers.sh [source folder]; prints each include that reaches
# upward and fails when there is one.
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 2

order=(common startup engine formulas navigation platform toolkit window demos)
rank() { local i; for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
pure_rank=$(rank navigation)

bad=0
for folder in "${order[@]}"; do
  [ -d "$folder" ] || continue
  mine=$(rank "$folder")
  while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    file=${hit%%:*}
    target=$(sed -E 's/.*#include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"${hit#*:}")
    case "$target" in
      Q*|Qt*/*)
        pure=0
        [ "$mine" -le "$pure_rank" ] && pure=1
        case "$file" in toolkit/colour_plan.*|toolkit/gif_frames.*|toolkit/dialog_layout.*) pure=1 ;; esac
        if [ "$pure" -eq 1 ]; then echo "$file: a pure file includes the Qt header <$target>"; bad=1; fi
        continue ;;
    esac
    top=${target%%/*}
    [ "$top" = "$target" ] && continue   # a standard or library header
    theirs=$(rank "$top")
    [ "$theirs" -lt 0 ] && continue      # not one of the layers (gtest/, tools/ ...)
    if [ "$theirs" -gt "$mine" ]; then
      echo "$file: includes \"$target\" from $top/, a layer above $folder/"; bad=1
    fi
    case "$file" in toolkit/colour_plan.*|toolkit/gif_frames.*|toolkit/dialog_layout.*)
      if [ "$theirs" -gt "$pure_rank" ] && [ "$top" != toolkit ]; then
        echo "$file: the toolkit's pure arithmetic includes \"$target\""; bad=1
      fi ;;
    esac
  done < <(grep -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' -r --include='*.h' --include='*.cpp' "$folder")
done
[ "$bad" -eq 0 ] && echo "ok: every folder includes only from the layers below it"
exit "$bad"
