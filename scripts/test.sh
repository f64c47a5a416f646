#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh win32 win64 win64-trace fuzz host
ctest --preset host
