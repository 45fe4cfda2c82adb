#!/usr/bin/env bash
# Screenshots of the real window for the software-centre metadata: starts the program of
# BINDIR on a virtual X display (Xvfb) with the sample puzzle, waits for its main window
# and saves it as OUTDIR/quotella-main.png. It runs on a copy of the program folder with a
# scratch home, so the build's settings and the user's desktop files stay as they were.
#   scripts/screenshots.sh BINDIR OUTDIR
set -euo pipefail
bindir=$(cd "$1" && pwd)
mkdir -p "$2"
outdir=$(cd "$2" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$bindir" "$scratch/program"
mkdir "$scratch/shots"
HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data SHOTS=$scratch/shots \
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1400x900x24" \
  bash "$top/scripts/first-start.sh" "$scratch/program/quotella" "$scratch/program/samplepuzzle1.qtl"
cp "$scratch/shots/main.png" "$outdir/quotella-main.png"
echo "screenshots: $outdir/quotella-main.png"
