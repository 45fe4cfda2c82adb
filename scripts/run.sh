#!/usr/bin/env bash
# Starts the program from its program directory on the bundled sample data.
set -euo pipefail
bindir=$1
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -x "$bindir/quotella" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bindir/quotella"
fi
if [ -x "$bindir/quotella" ]; then
  echo "No display found: running the command-line demo instead of the window."
fi
exec bash "$top/scripts/demo.sh" "$bindir"
