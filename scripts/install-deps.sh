#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tools and its tests need.
# Idempotent: does nothing when everything is there already.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6-dev qt6-qpa-plugins
  libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  fp-utils libchm-dev
)
if [ -f "$(dirname "$0")/extra-packages.txt" ]; then
  while read -r p; do [ -n "$p" ] && [ "${p#\#}" = "$p" ] && packages+=("$p"); done \
    < "$(dirname "$0")/extra-packages.txt"
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
