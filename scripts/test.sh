#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build data windows
cmake -S . -B build/release -G Ninja -DKESTRANE_WERROR=ON
cmake --build build/release
ctest --test-dir build/release --output-on-failure -j2
