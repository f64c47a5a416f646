#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in win32 win64 win64-trace fuzz host; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset host
