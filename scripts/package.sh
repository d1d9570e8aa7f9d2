#!/usr/bin/env bash
# Builds the Debian package from the optimised build:
#   build/release/tarvik-atoms_<version>-1_amd64.deb
# Install it with: sudo apt install ./build/release/tarvik-atoms_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
(cd build/release && cpack -G DEB)
ls -1 "$PWD"/build/release/tarvik-atoms_*_amd64.deb
