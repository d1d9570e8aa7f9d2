#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tools, its tests and its package need.
# Does nothing (no apt-get, no sudo) when everything is there already.
#
#   install-deps.sh          install what is missing
#   install-deps.sh --check  list what is missing and exit 1 if anything is; installs nothing
set -euo pipefail

here=$(dirname "$0")
packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
  libgl-dev fonts-dejavu-core fp-utils libchm-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the sound test plays through its own sound server and records what it hears
  pulseaudio pulseaudio-utils
  # the Debian package and the checks of the installed files, which read the manual pages with man
  dpkg-dev file desktop-file-utils appstream groff-base man-db
)
if [ -f "$here/extra-packages.txt" ]; then
  while read -r p; do
    p=${p%%#*}
    p=${p//[[:space:]]/}
    [ -n "$p" ] && packages+=("$p")
  done < "$here/extra-packages.txt"
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${1:-}" = --check ]; then
  if [ ${#missing[@]} -eq 0 ]; then
    echo "All ${#packages[@]} packages are installed."
    exit 0
  fi
  echo "Missing packages: ${missing[*]}" >&2
  exit 1
fi
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
