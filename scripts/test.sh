#!/usr/bin/env bash
# Installs what is missing, then builds and tests every preset: native unit tests, a short run
# of every fuzz target, the unit and Win32 tiers of the 64- and 32-bit Windows trees under Wine,
# and the end-to-end tier in the 64-bit tree.
#
# Windows tests mostly wait on Wine, so the machine is shared out: the 64-bit tests that are not
# bound by timing run side by side in slots while the native, fuzz and 32-bit trees are built
# beside them at low priority (and the native and fuzz tests run); the tests bound by timing
# (label "timing") run after that, alone. The 32-bit tests are skipped, with a line saying so,
# where this host cannot run 32-bit programs (or TAMARIND_WINE64_ONLY=1 says to act so).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
set --
source cmake/wine-env.sh

# What the tests may not touch: the source tree, beside the ignored build trees.
source_tree_state() {
  git rev-parse --is-inside-work-tree >/dev/null 2>&1 || return 0
  git status --porcelain --untracked-files=all
}
before=$(source_tree_state)

failed=()
step() { echo "=== $* (at $SECONDS s)"; }
# Runs a step's command; a failure is noted and the run goes on.
run() {
  local name=$1
  shift
  "$@" || failed+=("$name")
}

for preset in native fuzz windows-x64 windows-i686; do
  cmake --preset "$preset" >/dev/null
  rm -f "build/$preset/test-retries.log"
done

step "windows-x64: build, with its test prefixes made beside it"
tests/support/test-env.sh prepare build/windows-x64 &
prefixes=$!
cmake --build --preset windows-x64
wait "$prefixes"

# Beside the 64-bit tests: everything else that needs the processor, in turn.
side_log=build/side-work.log
(
  set -e
  step "native"
  nice cmake --build --preset native
  nice ctest --preset native
  step "fuzz"
  nice cmake --build --preset fuzz
  nice ctest --preset fuzz
  step "windows-i686: build"
  nice cmake --build --preset windows-i686
  if choose_wine_loader build/windows-i686; then tests/support/test-env.sh prepare build/windows-i686; fi
) >"$side_log" 2>&1 &
side=$!

step "windows-x64: the tests not bound by timing, beside the other builds"
run "windows-x64 tests" ctest --preset windows-x64 --label-exclude timing
step "waiting for the other builds"
side_status=0
wait "$side" || side_status=$?
cat "$side_log"
[ "$side_status" -eq 0 ] || failed+=("native, fuzz or windows-i686 build or tests")

step "windows-x64: the tests bound by timing, alone"
run "windows-x64 timing tests" ctest --preset windows-x64 --label-regex timing

step "windows-i686: tests"
if choose_wine_loader build/windows-i686; then
  run "windows-i686 tests" ctest --preset windows-i686
else
  echo "Skipped the unit and Win32 tests of windows-i686: $wine_unavailable."
fi

after=$(source_tree_state)
if [ "$after" != "$before" ]; then
  echo "The tests changed the source tree:" >&2
  diff <(echo "$before") <(echo "$after") | sed -n 's/^> /  /p' >&2
  failed+=("source tree untouched")
fi

if [ ${#failed[@]} -eq 0 ]; then
  echo "All tests passed in $SECONDS s."
else
  echo "Failed after $SECONDS s: $(IFS=,; echo "${failed[*]}")." >&2
fi
# Last, so that no second run goes unseen.
retries=$(cat build/*/test-retries.log 2>/dev/null || true)
if [ -n "$retries" ]; then
  echo "Run twice, each after dying as it started:"
  echo "$retries" | sed 's/^/  /'
else
  echo "No test was run twice."
fi
[ ${#failed[@]} -eq 0 ]
