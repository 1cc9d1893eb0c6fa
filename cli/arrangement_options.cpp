#include "arrangement_options.h"

#include <algorithm>
#include <string>

#include "chord_symbols.h"
#include "voice_leading.h"

namespace volemo::cli {
namespace {

int Bounded(const std::string& value, std::string_view option, int low, int high) {
  const long long v = ParseInteger(value, option);
  if (v < low || v > high)
    throw UsageError(std::string(option) + " takes " + std::to_string(low) + " to " + std::to_string(high) +
                     ", not " + value);
  return static_cast<int>(v);
}

}  // namespace

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
)";

bool TakeArrangementOption(ArgumentReader& args, ArrangementSettings& a) {
  if (auto v = args.TakeValue("--smoothness")) {
    a.line.smoothness = Bounded(*v, "--smoothness", 0, 100);
  } else if (auto v = args.TakeValue("--max-leap")) {
    a.line.maxLeap = Bounded(*v, "--max-leap", 1, 127);
  } else if (auto v = args.TakeValue("--turn-back")) {
    a.line.turnBack = Bounded(*v, "--turn-back", 0, 100);
  } else if (auto v = args.TakeValue("--cadence")) {
    a.line.cadence = Bounded(*v, "--cadence", 0, 100);
  } else if (auto v = args.TakeValue("--contour")) {
    const std::optional<Contour> contour = ContourNamed(*v);
    if (!contour) throw UsageError("--contour takes free, arch, rising, falling or wave, not " + *v);
    a.line.contour = *contour;
  } else if (auto v = args.TakeValue("--parts")) {
    a.bass = a.chords = a.drums = false;
    for (size_t at = 0; at <= v->size();) {
      const size_t end = std::min(v->find(',', at), v->size());
      const std::string part = v->substr(at, end - at);
      if (part == "bass") a.bass = true;
      else if (part == "chords") a.chords = true;
      else if (part == "drums") a.drums = true;
      else if (part != "melody")
        throw UsageError("--parts takes melody, bass, chords, drums separated by commas, not " + *v);
      at = end + 1;
    }
  } else if (auto v = args.TakeValue("--chords")) {
    if (*v != "random") {
      const music::ParsedProgression parsed = music::ParseProgression(*v, 0);
      if (!parsed.error.empty()) throw UsageError("--chords: " + parsed.error);
    }
    a.progression = *v;
  } else if (auto v = args.TakeValue("--chord-pull")) {
    a.line.chordPull = Bounded(*v, "--chord-pull", 0, 100);
  } else if (auto v = args.TakeValue("--comping")) {
    if (*v == "whole") a.comping = Comping::Whole;
    else if (*v == "halves") a.comping = Comping::Halves;
    else if (*v == "accents") a.comping = Comping::Accents;
    else throw UsageError("--comping takes whole, halves or accents, not " + *v);
  } else {
    return false;
  }
  return true;
}

std::string ChordsTable(const Arrangement& arrangement) {
  std::string table;
  if (arrangement.chords.empty()) return table;
  std::vector<int> voicing;
  const int64_t bars = std::max<int64_t>(1, (arrangement.bodyTicks + kBarTicks - 1) / kBarTicks);
  for (int64_t bar = 0; bar < std::max<int64_t>(bars, static_cast<int64_t>(arrangement.chords.size())); ++bar) {
    const music::Chord& chord = arrangement.chords[bar % arrangement.chords.size()];
    voicing = music::NearestInversion(chord.tones, voicing, kChordLow, kChordHigh, (kChordLow + kChordHigh) / 2);
    int root = -1;
    std::string keys;
    for (int k : voicing) {
      if (k % 12 == chord.root && root < 0) root = k;
      keys += (keys.empty() ? "" : ",") + std::to_string(k);
    }
    table += std::to_string(bar + 1) + '\t' + std::to_string(bar * kBarTicks) + '\t' + chord.symbol + '\t' +
             std::to_string(root) + '\t' + keys + '\n';
  }
  return table;
}

}  // namespace volemo::cli
