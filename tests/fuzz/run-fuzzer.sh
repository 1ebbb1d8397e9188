#!/usr/bin/env bash
# run-fuzzer.sh <fuzzer> <seconds> <seed dir> <work dir> [libFuzzer options...]
# Runs one fuzz target for the given time on its seeds; new inputs go to the work dir, so the
# committed seeds stay as they are. Fails on a crash, a leak, a timeout or a failed property.
set -euo pipefail
fuzzer=$1 seconds=$2 seeds=$3 work=$4
shift 4
mkdir -p "$work"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$@" "$work" "$seeds"
