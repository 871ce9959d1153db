#!/usr/bin/env bash
# Cross-builds Kestrane.dll and kestrane.exe for 32-bit Windows (the product's width) and
# 64-bit Windows (the width the tests run under Wine) with mingw-w64.
# Usage: build-windows.sh [BUILD_ROOT]   builds BUILD_ROOT/windows-i686 and windows-x86_64
# (BUILD_ROOT defaults to build/).
set -euo pipefail
cd "$(dirname "$0")/.."

root=${1:-build}
bash scripts/install-deps.sh build windows
for arch in i686 x86_64; do
  cmake -S . -B "$root/windows-$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-$arch.cmake" \
    -DKESTRANE_WERROR=ON >/dev/null
  # Only the product: the tools, tests and benchmarks are Linux programs.
  cmake --build "$root/windows-$arch" -j2 --target kestrane_com kestrane
done
