#!/usr/bin/env bash
# Installs what is missing, builds the game with the plans we ship and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
if [ -x build/release/bin/tarvik-atoms ]; then
  exec build/release/bin/tarvik-atoms "$@"
fi
# Until the window exists, show the shipped plans with the plan tool.
exec build/release/bin/tarvik-plans info build/release/bin/vrel.dat
