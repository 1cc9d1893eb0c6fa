#!/usr/bin/env bash
# Measures how long Volemo takes to show its painted window and how much
# memory it holds once its SoundFont has loaded, on a virtual X display.
# Usage: tools/measure_startup.sh [path/to/Volemo] [runs] [arguments of the program...]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/Volemo}")
runs=${2:-10}
shift $(( $# < 2 ? $# : 2 ))
probe=$(mktemp -d)/startup_probe
cc -O2 -o "$probe" tools/startup_probe.c -lxcb ||
  { echo "needs a C compiler and libxcb1-dev" >&2; exit 1; }
command -v xdpyinfo >/dev/null || { echo "needs xdpyinfo: apt-get install x11-utils" >&2; exit 1; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
data=$(mktemp -d)  # the takes of these runs, with the database as on a first start
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$data"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb VOLEMO_DATA_DIR=$data
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

for _ in $(seq "$runs"); do "$probe" 3 "$program" "$@" 2>/dev/null; done
