#!/usr/bin/env bash
# cpack -G DEB from the build folder: the control fields, the file list, and the
# programs run from the unpacked package (a prefix that was never configured).
set -uo pipefail
build=${1:?usage: debian_package.sh BUILD_DIR APP_ID VERSION [OTHER_FILE...]}
id=${2:?usage: debian_package.sh BUILD_DIR APP_ID VERSION [OTHER_FILE...]}
version=${3:?usage: debian_package.sh BUILD_DIR APP_ID VERSION [OTHER_FILE...]}
others=("${@:4}")
here=$(dirname "$0")
source "$here/common.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out") > "$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log"; fail "cpack failed"; finish debian_package; }
deb=$scratch/out/tarvik-atoms_${version}-1_amd64.deb
[ -f "$deb" ] || { fail "no $(basename "$deb"); cpack made: $(ls "$scratch/out")"; finish debian_package; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarvik-atoms ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
description=$(field Description)
[ -n "$(head -n1 <<< "$description")" ] && [ "$(wc -l <<< "$description")" -ge 3 ] \
  || fail "Description needs a summary and a long text: $description"

# The libraries the programs really link, as dpkg-shlibdeps found them.
depends=$(field Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libchm1; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] || fail "Depends lacks $package"
done
[[ "$depends" =~ -dev ]] && fail "Depends names a development package"

diff <(expected_files "$id" "${others[@]}" | sed 's|^|./usr/|' | sort) \
     <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort) > "$scratch/files.diff" \
  || fail "packaged files differ from the expected list (< missing, > unexpected):
$(cat "$scratch/files.diff")"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
file "$root/usr/bin/tarvik-atoms" | grep -q ", stripped" || fail "tarvik-atoms is not stripped"
check_installed_programs "$root/usr" "$id" "$version" "$scratch"
finish debian_package
