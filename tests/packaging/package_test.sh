#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack from the build folder, its name,
# version, dependencies and file list, its menu entry and metainfo valid, and the
# launcher of the unpacked package run under Xvfb from a folder that has nothing of the
# program: the main window comes without a box about its data, and closing it (Esc
# on the keypad, then Esc on the farewell box) ends with exit status 0.
#
#   package_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
fail() { echo "FAIL: $*"; exit 1; }

name=quenmar-aviation-calculator
app_id=example.quenmar.AviationCalculator

# ---------------------------------------------------------------------------------------
build=$(cd "$1" && pwd) src=$(cd "$2" && pwd) || fail "no such folder: $1 or $2"
for tool in cpack dpkg-deb dpkg lintian desktop-file-validate appstreamcli Xvfb xdotool; do
  command -v "$tool" >/dev/null || fail "missing $tool"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb="${debs[0]}"

# Control fields. The version is the newest release the metainfo names.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$name" ] || fail "package name $(field Package)"
release=$(grep -o '<release version="[^"]*"' "$src/packaging/$app_id.metainfo.xml" | head -n 1 | cut -d'"' -f2)
[ "$(field Version)" = "$release" ] || fail "version $(field Version), metainfo release $release"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for dep in fonts-wine libqt6widgets6 libqt6gui6 libqt6core6 libgif7 libstdc++6 libc6; do
  grep -qxF "$dep" <<<"$depends" || fail "Depends lacks $dep: $(field Depends)"
done

# Every file the package holds, with its mode; nothing else.
expected="-rwxr-xr-x ./usr/bin/$name
-rwxr-xr-x ./usr/lib/$name/Quenmar_Aviation_Calculator
-rw-r--r-- ./usr/share/$name/vdats.tst
-rw-r--r-- ./usr/share/$name/m9.gif
-rw-r--r-- ./usr/share/$name/m8.gif
-rw-r--r-- ./usr/share/applications/$app_id.desktop
-rw-r--r-- ./usr/share/metainfo/$app_id.metainfo.xml
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/$app_id.png
-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/$app_id.png
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/$app_id.png
-rw-r--r-- ./usr/share/doc/$name/copyright
-rw-r--r-- ./usr/share/lintian/overrides/$name
-rw-r--r-- ./usr/share/doc/$name/changelog.gz
-rw-r--r-- ./usr/share/man/man1/$name.1.gz"
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $1, $NF}' | sort)
[ "$actual" = "$(sort <<<"$expected")" ] ||
  fail "file list differs:$(diff <(sort <<<"$expected") <(echo "$actual"))"

# Debian's own package checks, every tag counted down to the pedantic and informational ones
# (among them the owners, the icons' sizes against their folders, the menu entry's command
# and the copyright file's format).
tags=$(lintian --pedantic --display-info --tag-display-limit 0 "$deb" 2>"$work/lintian.err") ||
  fail "lintian: $tags $(cat "$work/lintian.err")"
[ -z "$tags" ] || fail "lintian tags: $tags"

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
for f in vdats.tst m9.gif m8.gif; do
  cmp -s "$root/usr/share/$name/$f" "$src/data/$f" || fail "installed $f differs from data/$f"
done

# The menu entry and the metainfo: valid (hints and infos allowed), naming each other.
desktop="$root/usr/share/applications/$app_id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry: $out"
grep -qE ': (error|warning):' <<<"$out" && fail "desktop entry: $out"
out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
  fail "metainfo: $out"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
  "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo does not launch $app_id.desktop"

# The licences of the program and of the data it ships.
copyright="$root/usr/share/doc/$name/copyright"
for line in "Mike Borsetti" "World Magnetic Model" "License: public-domain" "License: Expat"; do
  grep -qF "$line" "$copyright" || fail "copyright lacks '$line'"
done
grep -q "<project_license>MIT</project_license>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "metainfo licence is not MIT, as the copyright file states"

# The launcher of the unpacked package, started from a folder that has nothing of the
# program, on a private desktop (tests/e2e/desktop.sh): it finds its data (without it a
# "Data File Not Read" box comes before the window).
source "$src/tests/e2e/desktop.sh"
desktop_start || fail "no desktop"
elsewhere=$(mktemp -d)
trap 'desktop_stop; rm -rf "$work" "$elsewhere"' EXIT
err=$(mktemp)
(cd "$elsewhere" && exec "$root/usr/bin/$name" 2>"$err") &
pid=$!
stop() { echo "FAIL: $*"; cat "$err"; kill "$pid" 2>/dev/null; exit 1; }
win=$(wait_window "Quenmar")
[ -n "$win" ] && [ -z "$(xdotool search --onlyvisible --name 'Data File Not Read')" ] ||
  stop "the main window did not come first (the data was not found?)"
focus_keypad "$win"
farewell_and_exit "$pid" || stop "$farewell_failure"
[ "$exit_status" -eq 0 ] || stop "exit status $exit_status"
[ -z "$(ls -A "$elsewhere")" ] || stop "the program wrote into the folder it was started from"
grep -q . "$err" && stop "the program printed: $(cat "$err")"
echo "ok: $(basename "$deb") built, checked, unpacked, run from $elsewhere (its data found, exit status 0)"
