#!/usr/bin/env bash
# The command-line demo: what the program does, without a window. Makes a puzzle from a
# sample quotation, fills it, and exports puzzle and key as text into out/.
set -euo pipefail
bindir=$1
top=$(cd "$(dirname "$0")/.." && pwd)
cli="$bindir/quotella-cli"
out="$top/out"
mkdir -p "$out"

echo "== Checking every quotation of the bundled quotes file"
"$cli" check --file "$top/resources/quotes.txt" > "$out/check.txt"
head -n 5 "$out/check.txt"
echo "   ... (all verdicts in $out/check.txt)"

line=$(sed -n '7p' "$top/resources/quotes.txt" | tr -d '\r')
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
echo
echo "Written: $out/demo.qtl, $out/demo-puzzle.txt, $out/demo-key.txt"
