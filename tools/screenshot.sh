#!/usr/bin/env bash
# Starts Volemo on a virtual X display and writes a PNG of the window with
# each tab page in front: docs/screenshots/scale.png and pattern.png; then
# the take list after a few phrases (takes.png). The takes go to a
# database of their own, removed at the end.
# Usage: tools/screenshot.sh [path/to/Volemo] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/bin/Volemo}
out=${2:-docs/screenshots}
mkdir -p "$out"
for tool in Xvfb xdpyinfo xdotool import; do
  command -v "$tool" >/dev/null ||
    { echo "needs $tool: apt-get install xvfb x11-utils xdotool imagemagick" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
data=$(mktemp -d)
trap 'kill "$volemo" "$xvfb" 2>/dev/null || true; rm -rf "$data"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb VOLEMO_AUDIO_DRIVER=file VOLEMO_AUDIO_FILE=/dev/null
export VOLEMO_DATA_DIR=$data
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" &
volemo=$!
window=$(xdotool search --sync --onlyvisible --name 'Volemo - ')
sleep 1

shoot() { import -window "$window" "$out/$1.png"; echo "wrote $out/$1.png"; }
# The red gem (random phrase and play) makes a phrase whose sound goes
# nowhere, so the boxes show one. The pattern page is in front at start; a
# click on the first tab brings the scale page.
xdotool mousemove --window "$window" 136 33 click 1
sleep 0.5
shoot pattern
xdotool mousemove --window "$window" 30 62 click 1
sleep 0.5
shoot scale

# Two more phrases from the window, three kept from presets by the command
# line, the second take starred; then the take list (Ctrl+T).
cli=$(dirname "$program")/volemo-cli
for _ in 1 2; do
  xdotool mousemove --window "$window" 136 33 click 1
  sleep 0.4
done
for preset in ペンタトニックの笛 琉球音階の三線 都節音階の箏; do
  "$cli" phrase --preset "$preset" --keep >/dev/null
done
"$cli" takes star 2
xdotool windowfocus --sync "$window" key ctrl+t
takes=$(xdotool search --sync --onlyvisible --name 'テイク - Volemo')
sleep 1
import -window "$takes" "$out/takes.png"
echo "wrote $out/takes.png"
