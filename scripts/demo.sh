#!/usr/bin/env bash
# The command-line demo: what the program does, without a window.
set -euo pipefail
bindir=$1
top=$(cd "$(dirname "$0")/.." && pwd)
cli="$bindir/quotella-cli"
echo "== Checking every quotation of the bundled quotes file"
"$cli" check --file "$top/resources/quotes.txt"
