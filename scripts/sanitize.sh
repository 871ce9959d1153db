#!/usr/bin/env bash
# Builds with clang and runs, each in its own build folder:
#   1. the whole Linux test suite under AddressSanitizer and UndefinedBehaviorSanitizer,
#   2. the tests labelled "concurrency" under ThreadSanitizer,
#   3. every fuzz target for KESTRANE_FUZZ_SECONDS seconds (60 unless set).
# Any sanitizer report, fuzz finding or failing test fails its stage; a summary of the stages
# follows at the end, and the script fails when any stage did.
# Usage: sanitize.sh [BUILD_ROOT]   (build folders BUILD_ROOT/build-asan, -tsan, -fuzz; the
# repository root by default)
set -uo pipefail
cd "$(dirname "$0")/.."

root=${1:-.}
fuzz_seconds=${KESTRANE_FUZZ_SECONDS:-60}
bash scripts/install-deps.sh build || exit 1

# Sanitizer reports end the process with a failure instead of scrolling past.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

configure() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKESTRANE_WERROR=ON -DKESTRANE_BENCH=OFF "$@" >/dev/null
}

asan() {
  configure "$root/build-asan" -DKESTRANE_SANITIZE=address,undefined &&
    cmake --build "$root/build-asan" -j2 &&
    ctest --test-dir "$root/build-asan" --output-on-failure -j2 -LE wine
}

# The concurrency tests are discovered from their programs, so all test programs are built.
tsan() {
  configure "$root/build-tsan" -DKESTRANE_SANITIZE=thread &&
    cmake --build "$root/build-tsan" -j2 &&
    ctest --test-dir "$root/build-tsan" --output-on-failure -L concurrency
}

fuzz() {
  configure "$root/build-fuzz" -DKESTRANE_FUZZ=ON -DKESTRANE_TESTS=OFF \
    -DKESTRANE_FUZZ_SECONDS="$fuzz_seconds" &&
    cmake --build "$root/build-fuzz" -j2 &&
    ctest --test-dir "$root/build-fuzz" --output-on-failure -j2 -L fuzz
}

summary=()
failed=0
for stage in asan tsan fuzz; do
  echo "=== sanitize.sh: $stage"
  start=$SECONDS
  if "$stage"; then
    result=passed
  else
    result=FAILED
    failed=1
  fi
  summary+=("$(printf '%-5s %-7s %4d s' "$stage" "$result" $((SECONDS - start)))")
done

echo "=== sanitize.sh summary"
echo "asan: whole suite under AddressSanitizer+UndefinedBehaviorSanitizer (Wine tests skipped)"
echo "tsan: tests labelled concurrency under ThreadSanitizer"
echo "fuzz: each fuzz target for $fuzz_seconds s; findings in $root/build-fuzz/fuzz/findings"
printf '%s\n' "${summary[@]}"
exit $failed
