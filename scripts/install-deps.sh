#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Usage: install-deps.sh GROUP...
# Groups: build (compilers, CMake, GoogleTest, Google Benchmark), data (OpenCC, sample texts, the
# jieba word frequencies the table generator reads), bench (texts, peers and timers for bench/),
# sample (the Chinese text of the main job), windows (mingw-w64 cross compilers, widl, Wine and its IDL files).
set -euo pipefail

packages=()
for group in "$@"; do
  case "$group" in
    build) packages+=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
                      clang libclang-rt-14-dev) ;;
    data) packages+=(libopencc-dev opencc fortunes-zh python3-jieba) ;;
    sample) packages+=(fortunes-zh) ;;
    bench) packages+=(opencc fortunes-zh manpages-zh zh-autoconvert python3 icu-devtools time
                      hyperfine) ;;
    windows) packages+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine64
                        libwine-dev) ;;
    *) echo "install-deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
