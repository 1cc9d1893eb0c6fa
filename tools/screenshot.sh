#!/usr/bin/env bash
# Starts Volemo on a virtual X display and writes a PNG of the window with
# each tab page in front: docs/screenshots/scale.png and pattern.png; then of
# the save dialog (save-dialog.png) and of its question whether to replace an
# existing file (overwrite-question.png), in Japanese as Qt draws them; then of
# the workbench with the take list, workbench.png. The program starts with a
# configuration and a take database of its own, so the windows look as on a
# first run.
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
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp &
xvfb=$!
work=$(mktemp -d)
trap 'kill "$volemo" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb VOLEMO_AUDIO_DRIVER=file VOLEMO_AUDIO_FILE=/dev/null
export XDG_CONFIG_HOME=$work/config VOLEMO_DATA_DIR=$work/data
export LANG=ja_JP.UTF-8  # the dialog's dates and sizes as a Japanese desktop shows them
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

program=$(realpath "$program")
out=$(realpath "$out")
cd "$work"  # the save dialog opens in the working folder: a phrase already stands there
printf 'MThd' >phrase.mid
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

# The save button is the first on the toolbar. Its dialog opens as the
# program's second window; a name already there brings the question.
newest() { xdotool search --onlyvisible --pid "$volemo" | tail -1; }
xdotool mousemove --window "$window" 16 33 click 1
sleep 1
dialog=$(newest)
import -window "$dialog" "$out/save-dialog.png"
echo "wrote $out/save-dialog.png"
xdotool windowfocus --sync "$dialog" type --delay 20 phrase.mid
xdotool key Return
sleep 1
# The question over the dialog, as the user sees them together.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/overwrite-question.png"
echo "wrote $out/overwrite-question.png"
# No to the question, then cancel the dialog: the main window has the focus again.
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$window"

# Three takes kept from presets by the command line, the second starred, so
# that the take list shows a few kinds.
cli=$(dirname "$program")/volemo-cli
for preset in ペンタトニックの笛 琉球音階の三線 都節音階の箏; do
  "$cli" phrase --preset "$preset" --keep >/dev/null
done
"$cli" takes star 2
# The workbench (F6) beside it: a few notes locked with the keyboard (Home
# selects the first note, the arrows move, Space locks), then played from
# the tenth note on (P), so that the playhead stands in mid-phrase.
xdotool mousemove --window "$window" 136 33 click 1
sleep 0.5
xdotool key F6
workbench=$(xdotool search --sync --onlyvisible --name ' - Volemo$')  # the workbench's title; ASCII, whatever the locale
sleep 0.5
xdotool windowfocus --sync "$workbench" key Home space Right Right Right space Right Right space \
  Right Right Right Right space p
sleep 0.4
import -window "$workbench" "$out/workbench.png"
echo "wrote $out/workbench.png"
