#!/usr/bin/env bash
# Starts a window program on the current X display as a new user would, answers each
# question of its first start with Enter (the default button) until the main window is up,
# then ends it. Run under xvfb-run. A picture of every dialog goes into $SHOTS when set.
#   scripts/first-start.sh PROGRAM [ARG...]
set -euo pipefail
"$@" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main=""
answered=0
for _ in $(seq 1 80); do
  kill -0 "$pid" 2>/dev/null || { echo "first-start: the program ended" >&2; exit 1; }
  for w in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null || true); do
    title=$(xdotool getwindowname "$w" 2>/dev/null || true)
    if [[ $title == "Quotella 3.1"* ]]; then
      main=$w
      continue
    fi
    answered=$((answered + 1))
    [ -n "${SHOTS:-}" ] && import -window "$w" "$SHOTS/dialog-$answered.png" 2>/dev/null || true
    echo "first-start: answered \"$title\" with Enter"
    xdotool windowfocus --sync "$w" key Return 2>/dev/null || true
    sleep 0.5
  done
  [ -n "$main" ] && break
  sleep 0.25
done
[ -n "$main" ] || { echo "first-start: the main window did not appear" >&2; exit 1; }
sleep 1
[ -n "${SHOTS:-}" ] && import -window "$main" "$SHOTS/first-start.png" 2>/dev/null || true
echo "first-start: main window up after $answered dialog(s)"
