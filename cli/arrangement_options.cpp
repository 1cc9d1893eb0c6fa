#include "arrangement_options.h"

#include <algorithm>
#include <string>

#include "part_values.h"
#include "voice_leading.h"

namespace volemo::cli {

const char kArrangementOptionsHelp[] = R"(The melody's line (every one off by default: the phrase as without them):
  --smoothness S        0 to 100: keys far from the note before lose weight (at
                        100 the weight halves with every semitone)
  --max-leap N          no move larger than N semitones (1 to 127)
  --turn-back P         after a leap larger than a fifth, step back with P percent
  --cadence P           the last note lands on the tonic (or a tone of the chord)
                        with P percent
  --contour C           free, arch, rising, falling or wave
Parts over chords:
  --parts LIST          melody,bass,chords,drums: the parts besides the melody
                        (which is always there), each a part of its own in the MML
  --chords TEXT         one chord a bar: Roman numerals in the key ("I vi IV V",
                        "ii7 V7 I", bVII, vii°, sus4, maj7) or names ("Am F C G",
                        F#m7, Bb); 'random' draws a common progression by the seed,
                        its chords built from the scale. The body holds a bar for
                        each chord at least. Parts without it play over I
  --chord-pull P        on the first step of each beat, the melody's tones outside
                        the chord lose P percent of their weight (100: chord tones only)
  --comping C           the chord part's rhythm: whole, halves (default) or accents
                        (each beat where the melody starts a note)
  --bass-channel N, --chords-channel N, --drums-channel N
                        a part's channel (defaults 2, 3, 10)
  --bass-voice N, --chords-voice N, --drums-voice N
                        a part's voice, 1 to 128, 0 for none (defaults 34, 5, none)
  --bass-range LOW-HIGH, --chords-range LOW-HIGH
                        a part's keys, at least an octave (defaults 28-52, 52-76)
  --bass-density P, --drums-density P
                        a part's notes at P percent of their usual chances (0 to 400;
                        default 100); a bar's first note stays
)";

bool TakePartOption(ArgumentReader& args, ControlValues& values) {
  for (const std::string& name : PartValueNames()) {
    const std::string option = "--" + name;
    if (auto v = args.TakeValue(option)) {
      // Checked as it comes; the beats against the meter once all are read.
      PartSettings check;
      try {
        if (name != "beats") SetPartValue(check, name, *v);
      } catch (const std::invalid_argument& e) {
        throw UsageError(option + " " + e.what());
      }
      values.emplace_back(name, *v);
      return true;
    }
  }
  return false;
}

std::string ChordsTable(const Arrangement& arrangement, const PartVoicing& chordKeys) {
  std::string table;
  if (arrangement.chords.empty()) return table;
  std::vector<int> voicing;
  const int64_t barTicks = arrangement.barTicks;
  const int64_t bars = std::max<int64_t>(1, (arrangement.bodyTicks + barTicks - 1) / barTicks);
  for (int64_t bar = 0; bar < std::max<int64_t>(bars, static_cast<int64_t>(arrangement.chords.size())); ++bar) {
    const music::Chord& chord = arrangement.chords[bar % arrangement.chords.size()];
    voicing = music::NearestInversion(chord.tones, voicing, chordKeys.low, chordKeys.high,
                                      (chordKeys.low + chordKeys.high) / 2);
    int root = -1;
    std::string keys;
    for (int k : voicing) {
      if (k % 12 == chord.root && root < 0) root = k;
      keys += (keys.empty() ? "" : ",") + std::to_string(k);
    }
    table += std::to_string(bar + 1) + '\t' + std::to_string(bar * barTicks) + '\t' + chord.symbol + '\t' +
             std::to_string(root) + '\t' + keys + '\n';
  }
  return table;
}

}  // namespace volemo::cli
