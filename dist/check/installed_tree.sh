#!/usr/bin/env bash
# cmake --install into a temporary prefix: exactly the expected files, desktop
# entry, AppStream data and icons that agree with each other, manual pages that
# man finds, and programs that run from there.
set -uo pipefail
build=${1:?usage: installed_tree.sh BUILD_DIR APP_ID [OTHER_FILE...]}
id=${2:?usage: installed_tree.sh BUILD_DIR APP_ID [OTHER_FILE...]}
others=("${@:3}")
here=$(dirname "$0")
source "$here/common.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" 2>&1 \
  || { cat "$scratch/install.log"; fail "cmake --install failed"; finish installed_tree; }

diff <(expected_files "$id" "${others[@]}" | sort) <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) \
  > "$scratch/files.diff" || fail "installed files differ from the expected list (< missing, > unexpected):
$(cat "$scratch/files.diff")"

for program in tarvik-atoms tarvik-plans; do
  [ -x "$prefix/bin/$program" ] || fail "$program is not executable"
done

# The desktop entry names what is installed.
desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "the installed desktop entry is not valid"
[ "$(sed -n 's/^Exec=//p' "$desktop")" = tarvik-atoms ] || fail "the desktop entry does not start tarvik-atoms"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the desktop entry's icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" \
  || fail "the AppStream data does not launch $id.desktop"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the AppStream id is not $id"
for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$prefix/share/metainfo/$id.metainfo.xml"); do
  [ -x "$prefix/bin/$binary" ] || fail "AppStream provides $binary, which is not installed"
done

# Each icon has the size its folder promises.
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "icon $size: $(file "$icon")"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not SVG"

# man finds both pages under the prefix.
for page in tarvik-atoms tarvik-plans; do
  shown=$(LC_ALL=C.UTF-8 MANPATH="$prefix/share/man" MANWIDTH=80 man -P cat "$page" 2>&1)
  grep -q "^NAME" <<< "$shown" && grep -q "$page" <<< "$shown" || fail "man $page shows: $(head -n3 <<< "$shown")"
done

version=$(sed -n 's/^project(TarvikAtoms VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
check_installed_programs "$prefix" "$id" "$version" "$scratch"
finish installed_tree
