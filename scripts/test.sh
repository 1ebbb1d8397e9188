#!/usr/bin/env bash
# Installs what is missing, then builds and tests every preset: native unit tests, a short run
# of every fuzz target, and for 32- and 64-bit Windows the unit, Win32 (under Wine) and
# end-to-end tiers.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
for preset in native fuzz windows-i686 windows-x64; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "All tests passed."
