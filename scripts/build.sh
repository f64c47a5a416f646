#!/usr/bin/env bash
# Installs what is missing, then configures and builds each preset named.
#   scripts/build.sh PRESET...
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in "$@"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
