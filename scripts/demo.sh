#!/usr/bin/env bash
# Installs what is missing, builds the launcher and shows it at work under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh win32 win64 >/dev/null
echo "Built build/win32/launcher.exe (the deliverable) and build/win64/launcher.exe (its x86-64 twin)."
/usr/bin/python3 tests/system/demo.py build
