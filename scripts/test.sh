#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs the whole test suite: the
# Linux tests and the Windows DLL under Wine in one CTest run, then the sanitizer builds and
# the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build data windows
cmake -S . -B build/release -G Ninja -DKESTRANE_WERROR=ON
cmake --build build/release
ctest --test-dir build/release --output-on-failure -j2
bash scripts/sanitize.sh build
