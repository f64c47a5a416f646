#!/usr/bin/env bash
# Installs what is missing, builds the launcher and what it is measured
# against, and prints the benchmark table. A measurement, never a test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh win32 win64 >/dev/null
/usr/bin/python3 bench/bench.py build "$@"
