#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for the given number
# of seconds (default 60), one after another, from seeds in resources/ and tests/data.
# A crash stops the script with the reproducer saved in build/fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUOTELLA_BUILD_FUZZ=ON -DQUOTELLA_BUILD_TESTS=OFF -DQUOTELLA_BUILD_GUI=OFF >/dev/null
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(puzzlefile settings quoteline textfiles rtf ipuz)
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzz}"

# The seeds each reader is given: the files of its kind that the program ships or tests.
seeds() {
  case "$1" in
    puzzlefile) ls resources/*.qtl ;;
    settings) ls resources/*.ini ;;
    quoteline | textfiles) ls resources/*.txt tests/data/*.txt ;;
    rtf) ls resources/*.rtf ;;
    ipuz) ls tests/data/*.ipuz ;;
  esac
}

mkdir -p "$build/findings"
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  for f in $(seeds "$t"); do cp -n "$f" "$corpus/" 2>/dev/null || true; done
  # A quotation-line seed per line of the quotes files, behind the eight steering bytes.
  if [ "$t" = quoteline ] && [ ! -e "$corpus/line-0" ]; then
    n=0
    while IFS= read -r line; do
      case "$line" in *@*) printf '\x01\x22\x83\x44\x05\x66\x07\x88%s' "$line" >"$corpus/line-$n"
                           n=$((n + 1)) ;; esac
    done < <(cat resources/quotes.txt tests/data/bench_quotes.txt | tr -d '\r')
  fi
  echo "== $t: $seconds s"
  "$build/bin/${t}_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
    "$corpus" 2>&1 | grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|.*ERROR)" || true
  if ls "$build/findings/$t-"* >/dev/null 2>&1; then
    echo "fuzz: $t found a failure; reproducers:" >&2
    ls "$build/findings/$t-"* >&2
    exit 1
  fi
done
