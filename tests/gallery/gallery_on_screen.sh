#!/usr/bin/env bash
# The gallery on a real X screen: started as scripts/gallery starts it, its
# "Next skin" tool button clicked with xdotool, and the screen must change
# where the gallery's window is. Exit 77 (skipped) without a display.
set -euo pipefail
program=$1 work=$2
[ -n "${DISPLAY:-}" ] || { echo "no X screen (run under xvfb-run)"; exit 77; }
mkdir -p "$work"
"$program" & pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
sleep 3
import -window root "$work/before.png"
# The window is at (40, 30); the tool bar's third button sits under the
# caption (26) and the menu bar (19), 60 pixels wide each.
xdotool mousemove 175 99 click 1
sleep 2
import -window root "$work/after.png"
changed=$(compare -metric AE -crop 800x560+40+30 "$work/before.png" "$work/after.png" null: 2>&1 || true)
echo "pixels changed: $changed"
[ "${changed%%.*}" -gt 5000 ]
