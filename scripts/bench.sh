#!/usr/bin/env bash
# Runs every benchmark program that the release build made.
set -euo pipefail
bindir=$1
found=0
for b in "$bindir"/bench_*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done
[ $found -eq 1 ] || echo "No benchmarks built yet."
