#!/usr/bin/env bash
# Installs what is missing, builds the launcher and what it is measured
# against, and prints the benchmark table. A measurement, never a test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
/usr/bin/python3 bench/bench.py build "$@"
