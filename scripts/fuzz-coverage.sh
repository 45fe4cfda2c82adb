#!/usr/bin/env bash
# Line coverage of each reader by its fuzz target's corpus (fuzz/corpus/<target>): the
# targets are built with clang's source-based coverage in build/fuzz-coverage, run once
# over their corpus, and llvm-cov reports the lines of each reader's functions.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz-coverage

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DQUOTELLA_BUILD_FUZZ=ON -DQUOTELLA_FUZZ_COVERAGE=ON -DQUOTELLA_BUILD_TESTS=OFF \
  -DQUOTELLA_BUILD_GUI=OFF >/dev/null
targets=$(python3 scripts/fuzz_coverage.py --targets)
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $(printf '%s_fuzz ' $targets)

rm -rf "$build/profiles"
mkdir -p "$build/profiles"
for t in $targets; do
  LLVM_PROFILE_FILE="$build/profiles/$t.profraw" "$build/bin/${t}_fuzz" -runs=0 \
    -max_len=16384 "fuzz/corpus/$t" >"$build/profiles/$t.log" 2>&1
  llvm-profdata merge -sparse "$build/profiles/$t.profraw" -o "$build/profiles/$t.profdata"
done
python3 scripts/fuzz_coverage.py --report "$build"
