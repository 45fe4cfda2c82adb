#!/usr/bin/env bash
# Starts a window program on the current X display as a new user would, answers each
# question of its first start with Enter (the default button) until the main window is up,
# then ends it. Run under xvfb-run. With $SHOTS set, a picture of every dialog answered
# (dialog-N.png) and of the main window (main.png) goes into that folder.
#   scripts/first-start.sh PROGRAM [ARG...]
set -euo pipefail
"$@" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main=""
answered=0
quiet=0
for _ in $(seq 1 120); do
  kill -0 "$pid" 2>/dev/null || { echo "first-start: the program ended" >&2; exit 1; }
  dialogs=0
  for w in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null || true); do
    title=$(xdotool getwindowname "$w" 2>/dev/null || true)
    if [[ $title == "Quotella 3.1"* ]]; then
      main=$w
      continue
    fi
    dialogs=$((dialogs + 1))
    answered=$((answered + 1))
    if [ -n "${SHOTS:-}" ]; then import -window "$w" "$SHOTS/dialog-$answered.png" 2>/dev/null || true; fi
    echo "first-start: answered a dialog titled \"$title\" with Enter"
    xdotool windowfocus --sync "$w" key Return 2>/dev/null || true
    sleep 0.5
  done
  # Up once the main window has shown with no dialog over it for a while.
  if [ -n "$main" ] && [ "$dialogs" -eq 0 ]; then quiet=$((quiet + 1)); else quiet=0; fi
  [ "$quiet" -ge 8 ] && break
  sleep 0.25
done
[ -n "$main" ] || { echo "first-start: the main window did not appear" >&2; exit 1; }
if [ -n "${SHOTS:-}" ]; then import -window "$main" "$SHOTS/main.png"; fi
echo "first-start: main window up after $answered dialog(s)"
