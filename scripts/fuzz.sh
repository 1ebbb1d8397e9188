#!/usr/bin/env bash
# fuzz.sh [seconds] [target...]: builds the fuzz preset and runs each fuzz target (all by
# default) for the given time (default 60 s) on its seeds, one after the other. New inputs are
# kept in build/fuzz/tests/fuzz/corpus/<target>; a failing input is written there as crash-*.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds=${1:-60}
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(sed -n 's/^tamarind_fuzz_target(\(.*\))$/\1/p' tests/fuzz/CMakeLists.txt))
for target in "${targets[@]}"; do
  echo "=== $target ($seconds s)"
  tests/fuzz/run-fuzzer.sh "build/fuzz/tests/fuzz/$target" "$seconds" \
    "tests/fuzz/corpus/$target" "build/fuzz/tests/fuzz/corpus/$target"
done
