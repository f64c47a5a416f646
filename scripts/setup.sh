#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the tests and the demo
# need and this machine does not have yet. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build make g++ libgtest-dev       # host build and unit tests
  clang libclang-rt-dev                         # fuzzing
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64                                   # running the x86-64 build
  python3 python3-pefile                        # reading the built images
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo=sudo
  echo "Installing: ${missing[*]}" >&2
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
