#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in the
# optimised build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# After the install nothing may be missing, or the next run would reach for apt-get again.
bash scripts/install-deps.sh --check
jobs=$(nproc)
cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"
if [ "${TARVIK_SKIP_ASAN:-0}" != 1 ]; then
  cmake --preset asan
  cmake --build --preset asan -j "$jobs"
  ctest --preset asan -j "$jobs"
fi
