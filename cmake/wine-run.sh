#!/usr/bin/env bash
# Runs a Windows test program under Wine with its build tree's prefix and test display.
# Usage: wine-run.sh <build-dir> <program.exe> [args...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
shift
exec "$WINELOADER" "$@"
