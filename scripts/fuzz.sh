#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for the given number
# of seconds (default 60), one after another. Each target starts from its seed corpus in
# fuzz/corpus/<target>; what a run finds that reaches new code is merged back into that
# folder (minimised by libFuzzer), so the next run starts where this one got to.
# A failure stops the script with the failing step's exit status (the fuzzer's own for a
# finding, with the reproducer saved in build/fuzz/findings/).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# FUZZ_SEED=N makes a run repeatable: the fuzzer draws from that seed and starts from the
# seed corpus alone (no growth of earlier runs). FUZZ_RUNS=N stops each target after N
# inputs. With both, a run of N inputs here meets every input that a shorter run (one cut
# off by SECONDS on a slower machine) met.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
seed="${FUZZ_SEED:-0}"
runs="${FUZZ_RUNS:--1}"
shift || true
build=build/fuzz
all=(puzzlefile settings quoteline textfiles rtf ipuz synopsis familiarity offensive
     recentpuzzles dictrewrite scoredlist)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUOTELLA_BUILD_FUZZ=ON -DQUOTELLA_BUILD_TESTS=OFF -DQUOTELLA_BUILD_GUI=OFF >/dev/null
status=$?
[ $status -eq 0 ] || exit $status
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzz}"
status=$?
[ $status -eq 0 ] || exit $status

# Inputs stay short, so that the corpus stays small: an ipuz file needs more room to be one.
max_len() { if [ "$1" = ipuz ]; then echo 16384; else echo 4096; fi; }

mkdir -p "$build/findings"
for t in "${targets[@]}"; do
  len=$(max_len "$t")
  seeds="fuzz/corpus/$t"
  work="$build/corpus/$t"
  [ "$seed" = 0 ] || rm -rf "$work"
  mkdir -p "$seeds" "$work"
  echo "== $t: $seconds s"
  "$build/bin/${t}_fuzz" -max_total_time="$seconds" -seed="$seed" -runs="$runs" -max_len="$len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
    "$work" "$seeds" >"$build/$t.log" 2>&1
  status=$?
  grep -E "^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|==|SUMMARY|.*ERROR)" \
    "$build/$t.log"
  if [ $status -ne 0 ]; then
    echo "fuzz: $t failed with status $status; reproducers:" >&2
    ls "$build/findings/$t-"* >&2 2>/dev/null
    exit $status
  fi
  # Keep in the repository's corpus only the inputs that reach code it did not reach (new
  # edges; how often an edge runs is left out, which keeps the corpus a few hundred KB).
  "$build/bin/${t}_fuzz" -merge=1 -use_counters=0 -max_len="$len" -timeout=10 "$seeds" "$work" \
    >"$build/$t-merge.log" 2>&1
  status=$?
  if [ $status -ne 0 ]; then
    echo "fuzz: merging the corpus of $t failed with status $status:" >&2
    cat "$build/$t-merge.log" >&2
    exit $status
  fi
done
exit 0
