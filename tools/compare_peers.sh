#!/usr/bin/env bash
# Measures the rows of Volemo's speed table beside the peers it can install
# (Debian: qsynth, abcmidi, fluidsynth, timidity; npm: scribbletune) and
# prints the table. Medians; each pair measured in the same run.
# Usage: tools/compare_peers.sh [build-folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
runs=${2:-20}
cli=$build/bin/volemo-cli
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

missing=()
for pkg in qsynth abcmidi fluidsynth timidity hyperfine; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if ((${#missing[@]})) && [[ $(id -u) -eq 0 ]]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null || true
fi
(cd "$work" && timeout 120 npm install --silent --no-audit --no-fund scribbletune >/dev/null 2>&1) || true

# median_ms COMMAND...: hyperfine's median of the command, in milliseconds.
median_ms() {
  hyperfine -N -w 3 -r "$runs" --export-json "$work/h.json" "$@" >/dev/null 2>&1 || { echo "n/a"; return; }
  python3 -c 'import json,sys; print("%.1f" % (json.load(open(sys.argv[1]))["results"][0]["median"] * 1000))' \
    "$work/h.json"
}
median() { sort -n | awk '{v[NR]=$1} END {if (NR) printf "%.1f", (NR % 2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2); else print "n/a"}'; }
ratio() { python3 -c 'import sys; a, b = sys.argv[1:]; print("n/a" if "n/a" in (a, b) else "%.0f" % (float(a) / float(b)))' "$1" "$2"; }

# The documents: the benchmarks' long melody (bench/long_document.h) and a
# melody of as many notes for abc2midi, and the sixty seconds of piano.
{
  printf 'Tempo=120;Channel(1);Voice(1)\r\nv100l16\r\n'
  for _ in $(seq 6667); do printf "q100o4c>d<e q20f q100g^a>c+ r 'ce'<b Div{ga}^ d-e f|\r\n"; done
} > "$work/long.mml"
# abc2midi stops a single tune at about 500 KB of MIDI ("file runaway"), so
# its 100,000 notes are ten tunes, each written to a file of its own.
for tune in $(seq 10); do
  printf 'X:%d\nT:10000 notes\nM:4/4\nL:1/16\nQ:1/4=120\nK:C\n' "$tune"
  for _ in $(seq 157); do printf 'cdef gabc defg abcd|edcB AGFE DCDE FGAB|cdef gabc defg abcd|edcB AGFE DCDE FGAB|\n'; done
  printf '\n'
done > "$work/long.abc"
"$cli" compile bench/data/piano60.mml "$work/piano60.mid"
"$cli" phrase --seed 1 > "$work/phrase.mml"

# The window: mapped, with the full General MIDI SoundFont.
# A program that never maps a window would hold the probe for ever: each
# measurement runs in a process group of its own, ended after a minute.
window() {
  setsid tools/measure_startup.sh "$@" > "$work/window.txt" 2>/dev/null &
  local group=$! waited=0
  while kill -0 "$group" 2>/dev/null && ((waited++ < 600)); do sleep 0.1; done
  kill -- -"$group" 2>/dev/null || true
  sed -n 's/.*mapped_ms=\([0-9.]*\).*/\1/p' "$work/window.txt" | median
}
volemo_window=$(window "$build/bin/Volemo" "$runs")
[[ $volemo_window != n/a ]] && volemo_window="$volemo_window ms"
# Qsynth with its first-run settings, which it writes into a home of its own
# (its file driver would leave fluidsynth.wav in the working folder).
mkdir -p "$work/home"
qsynth_window=$(HOME=$work/home window /usr/bin/qsynth 5 "$soundfont")
if [[ $qsynth_window == n/a ]]; then qsynth_window="did not map a window within a minute"; else qsynth_window="$qsynth_window ms"; fi

true_ms=$(median_ms /bin/true)
version_ms=$(median_ms "$cli --version")
phrase_ms=$(median_ms "$cli phrase --seed 1")
pattern_ms=$(median_ms "$cli pattern --seed 1")
compile_phrase_ms=$(median_ms "$cli compile $work/phrase.mml $work/phrase.mid")
compile_ms=$(median_ms "$cli compile $work/long.mml $work/long.mid")
abc_ms=$(cd "$work" && median_ms "abc2midi long.abc")

render_runs=5
render_ms=$(runs=$render_runs median_ms "$cli render $work/piano60.mid $work/v.wav")
fluidsynth_ms=$(runs=$render_runs median_ms "fluidsynth -ni -q -g 0.8 -r 44100 -F $work/f.wav $soundfont $work/piano60.mid")
timidity_ms=$(runs=$render_runs median_ms "timidity -q -x 'soundfont $soundfont' -s 44100 -Ow -o $work/t.wav $work/piano60.mid")
speed() { [[ $1 == n/a ]] && echo n/a || python3 -c 'import sys; print("%.0f×" % (60000 / float(sys.argv[1])))' "$1"; }

batch_us=$(for run in 1 2 3; do
  start=$(date +%s%N)
  "$cli" batch --count 20000 --seed 1 --out "$work/batch$run" >/dev/null 2>&1
  echo $(( ($(date +%s%N) - start) / 20000 / 1000 ))
done | median)
scribble_us=n/a
if [[ -d $work/node_modules/scribbletune ]]; then
  cat > "$work/clips.js" <<'JS'
const scribble = require('scribbletune');
const n = 2000, notes = scribble.scale('C4 major');
const start = process.hrtime.bigint();
for (let i = 0; i < n; i++) {
  const pick = Array.from({length: 32}, () => notes[Math.floor(Math.random() * notes.length)]);
  scribble.midi(scribble.clip({notes: pick, pattern: 'x-x_'.repeat(8)}), process.argv[2] ? `${process.argv[2]}/${i}.mid` : null);
}
console.log((Number(process.hrtime.bigint() - start) / 1e3 / n).toFixed(1));
JS
  mkdir -p "$work/clips"
  scribble_us="$(cd "$work" && node clips.js) in memory, $(cd "$work" && node clips.js "$work/clips" | tail -1) with a .mid file"
fi

cat <<TABLE
| What | Volemo | Peer | Goal |
|---|---|---|---|
| window mapped, full GM SoundFont (Xvfb) | $volemo_window | Qsynth $qsynth_window | ≤ 65 ms and below Qsynth |
| \`volemo-cli --version\` / \`phrase\` / \`pattern\` / \`compile\` of a phrase, as a process | $version_ms / $phrase_ms / $pattern_ms / $compile_phrase_ms ms | /bin/true $true_ms ms | ≤ 2 ms |
| \`volemo-cli compile\` of a 100,000-note melody | $compile_ms ms | abc2midi $abc_ms ms ($(ratio "$abc_ms" "$compile_ms")×) | ≤ 10 ms, ≥ 4× abc2midi |
| render 60 s of piano to WAV, as a process | $(speed "$render_ms") real time | fluidsynth $(speed "$fluidsynth_ms"), TiMidity++ $(speed "$timidity_ms") | ≥ 200× |
| many phrases (.mid, .mml and the manifest) | $batch_us µs per phrase (batch of 20,000) | scribbletune $scribble_us µs per clip | ≤ 100 µs (20,000 in 2 s) |
TABLE
