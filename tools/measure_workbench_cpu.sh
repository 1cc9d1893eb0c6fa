#!/usr/bin/env bash
# Measures the processor time Volemo's window thread takes while a phrase
# plays with the workbench open (its playhead moving) and with it closed,
# on a virtual X display; the sound goes to a file sink.
# Usage: tools/measure_workbench_cpu.sh [path/to/Volemo] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/Volemo}")
seconds=${2:-10}  # at most 15: the phrase must still play
for tool in Xvfb xdpyinfo xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool: apt-get install xvfb x11-utils xdotool" >&2; exit 1; }
done

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp &
xvfb=$!
volemo=
trap 'kill $volemo "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb VOLEMO_AUDIO_DRIVER=file VOLEMO_AUDIO_FILE=/dev/null
export XDG_CONFIG_HOME=$work
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Clock ticks (user + system) of the window thread, and of the whole program
# (with the sound thread, which shows that the phrase plays).
ticks() { awk '{ print $14 + $15 }' "/proc/$volemo/task/$volemo/stat"; }
all_ticks() { awk '{ print $14 + $15 }' "/proc/$volemo/stat"; }

measure() {  # $1: "open" or "closed"
  mkdir -p "$work/Volemo"
  printf '[workbench]\nopen=%s\n' "$([ "$1" = open ] && echo true || echo false)" >"$work/Volemo/Volemo.conf"
  "$program" & volemo=$!
  local window
  window=$(xdotool search --sync --onlyvisible --name 'Volemo - ')
  sleep 2
  # A new phrase of the default 17.5 s, played.
  xdotool key --window "$window" F9
  sleep 1
  local before after all_before all_after
  before=$(ticks); all_before=$(all_ticks)
  sleep "$seconds"
  after=$(ticks); all_after=$(all_ticks)
  kill "$volemo"; wait "$volemo" 2>/dev/null || true; volemo=
  awk -v t=$((after - before)) -v a=$((all_after - all_before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v w="$1" \
    'BEGIN { printf "workbench %s: window thread %.2f%%, whole program %.2f%% of one core while playing\n",
             w, 100 * t / hz / s, 100 * a / hz / s }'
}
measure closed
measure open
