#!/usr/bin/env bash
# Installs what is missing, then builds and tests every preset: native unit tests, a short run
# of every fuzz target, and for 64- and 32-bit Windows the unit, Win32 (under Wine) and
# end-to-end tiers. The 32-bit tree is always built; its tests are skipped, with a line saying
# so, where this host cannot run 32-bit programs (or TAMARIND_WINE64_ONLY=1 says to act so).
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

for preset in native fuzz windows-x64 windows-i686; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  if [[ $preset == windows-* ]] && ! choose_wine_loader "build/$preset"; then
    echo "Skipped the unit, Win32 and end-to-end tests of $preset: $wine_unavailable."
    continue
  fi
  # Under Wine a test program very rarely dies as it starts, before main and without a word;
  # a test gets a second run, and one that fails twice fails.
  ctest --preset "$preset" --repeat until-pass:2
done

after=$(source_tree_state)
if [ "$after" != "$before" ]; then
  echo "The tests changed the source tree:" >&2
  diff <(echo "$before") <(echo "$after") | sed -n 's/^> /  /p' >&2
  exit 1
fi
echo "All tests passed."
