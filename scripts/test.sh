#!/usr/bin/env bash
# Installs what is missing, then builds and tests every preset: native unit tests, a short run
# of every fuzz target, the unit and Win32 tiers of the 64- and 32-bit Windows trees under Wine,
# and the end-to-end tier in the 64-bit tree.
#
# Windows tests mostly wait on Wine, so the machine is shared out. The 64-bit tree builds first,
# while both trees' test prefixes boot. Then the 64-bit tests that are not bound by timing run
# side by side in slots, and beside them, at low priority, the 32-bit tree builds, the native
# and fuzz trees build and run their tests, and the 32-bit tests run in slots of their own as
# soon as their tree is built. The tests bound by timing (label "timing") run last, alone. The
# 32-bit tests are skipped, with a line saying so, where this host cannot run 32-bit programs
# (or TAMARIND_WINE64_ONLY=1 says to act so).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
# The tests choose the programs' locales themselves (cmake/wine-env.sh).
unset LC_ALL
set --
source cmake/wine-env.sh

# What the tests may not touch: the source tree, beside the ignored build trees.
source_tree_state() {
  git rev-parse --is-inside-work-tree >/dev/null 2>&1 || return 0
  git status --porcelain --untracked-files=all
}
before=$(source_tree_state)

failed=()
# Waits for every background job of this shell; fails if one failed.
wait_all() {
  local pid status=0
  for pid in $(jobs -p); do wait "$pid" || status=1; done
  return $status
}
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
rm -f build/side-work.log build/i686-tests.log
i686_runs=false
if choose_wine_loader build/windows-i686; then i686_runs=true; else i686_skipped=$wine_unavailable; fi

step "windows-x64: build, with the test prefixes of both trees made beside it"
prefixes=(build/windows-x64)
$i686_runs && prefixes+=(build/windows-i686)
for tree in "${prefixes[@]}"; do tests/support/test-env.sh prepare "$tree" & done
cmake --build --preset windows-x64
wait_all

# Beside the 64-bit tests: everything else that needs the processor, in turn, at low priority;
# the 32-bit tests join as soon as their tree is built. Each writes a log of its own, shown
# when it is done.
(
  step "windows-i686: build"
  nice cmake --build --preset windows-i686 || exit 1
  if $i686_runs; then
    (
      step "windows-i686: the tests not bound by timing"
      ctest --preset windows-i686 --label-exclude timing
    ) >build/i686-tests.log 2>&1 &
  fi
  status=0
  { step "native" && nice cmake --build --preset native && nice ctest --preset native; } || status=1
  { step "fuzz" && nice cmake --build --preset fuzz && nice ctest --preset fuzz; } || status=1
  wait_all || status=1
  exit $status
) >build/side-work.log 2>&1 &
side=$!

step "windows-x64: the tests not bound by timing, beside the other work"
run "windows-x64 tests" ctest --preset windows-x64 --label-exclude timing
step "waiting for the other work"
wait "$side" || failed+=("native, fuzz or windows-i686 build or tests")
cat build/side-work.log
[ -f build/i686-tests.log ] && cat build/i686-tests.log

step "the tests bound by timing, alone"
run "windows-x64 timing tests" ctest --preset windows-x64 --label-regex timing
if $i686_runs; then
  run "windows-i686 timing tests" ctest --preset windows-i686 --label-regex timing --no-tests=ignore
else
  echo "Skipped the unit and Win32 tests of windows-i686: $i686_skipped."
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
