#!/usr/bin/env bash
# The command-line demo: what the program does, without a window. Makes a puzzle from a
# sample quotation, fills it, and writes every output of it into out/: puzzle and key as
# text and PDF, the grid as PNG, the ipuz file and the playable web page.
#   scripts/demo.sh BINDIR [OUTDIR]
# An installed copy (BINDIR/../share/quotella) uses its own quotes file.
set -euo pipefail
bindir=$1
top=$(cd "$(dirname "$0")/.." && pwd)
cli="$bindir/quotella-cli"
out=${2:-$top/out}
mkdir -p "$out"
out=$(cd "$out" && pwd)
quotes="$top/resources/quotes.txt"
[ -f "$bindir/../share/quotella/quotes.txt" ] && quotes="$bindir/../share/quotella/quotes.txt"

echo "== Checking every quotation of the bundled quotes file"
"$cli" check --file "$quotes" > "$out/check.txt"
head -n 5 "$out/check.txt"
echo "   ... (all verdicts in $out/check.txt)"

line=$(sed -n '7p' "$quotes" | tr -d '\r')
echo
echo "== Making a puzzle of: $line"
"$cli" new "$line" -o "$out/demo.qtl" --yes > /dev/null
"$cli" show "$out/demo.qtl" | sed -n '1,6p'

echo
echo "== Filling every answer (autofill)"
"$cli" fill "$out/demo.qtl" -o "$out/demo.qtl" --yes

echo
echo "== Exporting puzzle and key as text"
"$cli" export "$out/demo.qtl" --text -o "$out/demo-puzzle.txt" --yes
"$cli" export "$out/demo.qtl" --key -o "$out/demo-key.txt" --yes
cat "$out/demo-key.txt"
written=("$out/demo.qtl" "$out/check.txt" "$out/demo-puzzle.txt" "$out/demo-key.txt")

echo
echo "== Printing the puzzle and its key as PDF, drawing the grid, publishing it"
"$cli" export "$out/demo.qtl" --pdf --both -o "$out/demo-puzzle.pdf" --yes
"$cli" export "$out/demo.qtl" --pdf --both --key -o "$out/demo-key.pdf" --yes
"$cli" export "$out/demo.qtl" --bitmap -o "$out/demo-grid.png" --yes
"$cli" export "$out/demo.qtl" --ipuz -o "$out/demo.ipuz" --yes
"$cli" export "$out/demo.qtl" --html -o "$out/demo.html" --yes
written+=("$out/demo-puzzle.pdf" "$out/demo-key.pdf" "$out/demo-grid.png" "$out/demo.ipuz"
  "$out/demo.html")

echo
echo "Written:"
for f in "${written[@]}"; do
  [ -s "$f" ] || { echo "demo: $f was not written" >&2; exit 1; }
  echo "  $f"
done
