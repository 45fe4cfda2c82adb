#!/usr/bin/env bash
# Screenshots of the real window for the software-centre metadata: starts the program of
# BINDIR on a virtual X display (Xvfb) with the sample puzzle, waits for its window and
# saves it as a PNG in OUTDIR. The user's own settings and desktop files are not touched.
#   scripts/screenshots.sh BINDIR OUTDIR
set -euo pipefail
bindir=$(cd "$1" && pwd)
mkdir -p "$2"
outdir=$(cd "$2" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${QUOTELLA_ON_XVFB:-}" ]; then
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
  done
  QUOTELLA_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1400x900x24" bash "$0" "$bindir" "$outdir"
fi

scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
# A copy of the program folder, so that its settings file stays as the build left it.
cp -r "$bindir" "$scratch/program"
QT_QPA_PLATFORM=xcb "$scratch/program/quotella" "$scratch/program/samplepuzzle1.qtl" \
  >"$scratch/log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 60); do
  window=$(xdotool search --onlyvisible --name '^Quotella' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$scratch/log" >&2; echo "screenshots: the program ended" >&2; exit 1; }
  sleep 0.5
done
[ -n "$window" ] || { echo "screenshots: no window appeared" >&2; exit 1; }
# Let the window lay itself out and load the puzzle.
sleep 3
import -window "$window" "$outdir/quotella-main.png"
echo "screenshots: $outdir/quotella-main.png"
