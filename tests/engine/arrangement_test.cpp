// The parts over many seeds, scales and progressions: what each part must
// hold whatever the draws.
#include "arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "composer.h"
#include "engine_error.h"
#include "engine_fixture.h"
#include "harmony.h"
#include "meter.h"
#include "voice_leading.h"

namespace volemo {
namespace {

struct Setting {
  int scale;  // index in the shipped scale file
  int key;
  std::string progression;
};
const Setting kSettings[] = {
    {0, 0, "I vi IV V"}, {5, 2, "random"}, {12, 7, "random"}, {0, 9, "ii7 V7 Imaj7 bVII Vsus4 vii\u00b0"},
    {2, 4, "Am F#m7 Bb G"},
};

struct Composed {
  Engine e;
  Arrangement a;
  const Phrase& Part(const std::string& name) const {
    return a.parts[std::find(a.names.begin(), a.names.end(), name) - a.names.begin()];
  }
};

Composed ComposeAll(uint32_t seed, const Setting& s, int pull) {
  Composed c;
  c.e.state.random.Seed(seed);
  c.e.StartAsTheWindowDoes();
  c.e.Set("cmbScale", std::to_string(s.scale));
  c.e.Set("cmbKey", std::to_string(s.key));
  ArrangementSettings settings;
  settings.bass = settings.chords = settings.drums = true;
  settings.progression = s.progression;
  settings.line.chordPull = pull;
  settings.comping = static_cast<Comping>(seed % 3);
  c.a = ComposeArrangement(c.e.settings, c.e.state, settings);
  return c;
}

// Notes by start tick: the chords of the chord part.
std::map<int64_t, std::vector<int>> Strikes(const Phrase& part) {
  std::map<int64_t, std::vector<int>> strikes;
  for (const PhraseNote& n : part.Notes()) strikes[n.startTick].push_back(n.key);
  for (auto& [tick, keys] : strikes) std::sort(keys.begin(), keys.end());
  return strikes;
}

// Every close-position inversion of the tones within the chord part's
// range: from each base key, each tone's first key at or above it.
std::vector<std::vector<int>> Inversions(const std::vector<int>& tones) {
  std::vector<std::vector<int>> all;
  for (int base = kChordVoicing.low; base <= kChordVoicing.high; ++base) {
    if (std::find(tones.begin(), tones.end(), base % 12) == tones.end()) continue;
    std::vector<int> keys;
    for (int p : tones) keys.push_back(base + ((p - base) % 12 + 12) % 12);
    std::sort(keys.begin(), keys.end());
    if (keys.back() <= kChordVoicing.high) all.push_back(keys);
  }
  return all;
}

TEST(Arrangement, EveryPartHoldsToItsChords) {
  int strongNotes = 0;
  for (const Setting& s : kSettings) {
    for (uint32_t seed = 0; seed < 60; ++seed) {
      Composed c = ComposeAll(seed, s, 100);
      const std::vector<music::Chord>& chords = c.a.chords;
      ASSERT_FALSE(chords.empty());
      SCOPED_TRACE(s.progression + ", seed " + std::to_string(seed));
      // A bass re-rolled keeps its roots where chords start.
      if (seed % 2) c.a.parts[1].Reroll(c.e.settings, c.e.state);

      for (const PhraseNote& n : c.Part("bass").Notes()) {
        ASSERT_TRUE(n.key >= kBassVoicing.low && n.key <= kBassVoicing.high) << n.key;
        if (n.startTick % kBarTicks == 0) {
          ASSERT_EQ(n.key % 12, ChordAt(chords, n.startTick, kBarTicks).root) << n.startTick;
        }
      }

      std::vector<int> before;
      for (const auto& [tick, keys] : Strikes(c.Part("chords"))) {
        const music::Chord& chord = ChordAt(chords, tick, kBarTicks);
        std::set<int> pitches, wanted(chord.tones.begin(), chord.tones.end());
        for (int k : keys) pitches.insert(k % 12);
        ASSERT_EQ(pitches, wanted) << tick;
        ASSERT_EQ(keys.size(), chord.tones.size()) << tick;
        if (!before.empty()) {
          int least = 1 << 30;
          for (const std::vector<int>& inversion : Inversions(chord.tones))
            least = std::min(least, music::VoiceLeadingSize(before, inversion));
          ASSERT_EQ(music::VoiceLeadingSize(before, keys), least) << tick;
        }
        before = keys;
      }

      for (const PhraseNote& n : c.Part("melody").Notes()) {
        if (n.startTick % kBeatTicks != 0) continue;
        ++strongNotes;
        const std::vector<int>& tones = ChordAt(chords, n.startTick, kBarTicks).tones;
        ASSERT_NE(std::find(tones.begin(), tones.end(), n.key % 12), tones.end()) << "melody at " << n.startTick;
      }

      for (const PhraseNote& n : c.Part("drums").Notes())
        ASSERT_TRUE(n.key == kKick || n.key == kSnare || n.key == kClosedHat || n.key == kOpenHat) << n.key;
      const auto drums = Strikes(c.Part("drums"));
      for (int64_t bar = 0; bar < c.a.bodyTicks; bar += kBarTicks)
        ASSERT_TRUE(drums.contains(bar) && drums.at(bar).front() == kKick) << "bar at " << bar;
    }
  }
  EXPECT_GT(strongNotes, 1000);
}

// Without parts or chords the arrangement is the phrase itself, and the
// melody draws as it would alone when parts are added without a pull.
TEST(Arrangement, WithoutPartsIsThePhraseAndPartsLeaveTheMelodyAlone) {
  for (uint32_t seed = 0; seed < 50; ++seed) {
    Engine alone(seed), arranged(seed), withParts(seed);
    for (Engine* e : {&alone, &arranged, &withParts}) e->StartAsTheWindowDoes();
    const std::string phrase = ComposePhrase(alone.settings, alone.state).Mml();
    EXPECT_EQ(ComposeArrangement(arranged.settings, arranged.state, {}).Mml(), phrase);
    ArrangementSettings parts;
    parts.bass = parts.drums = true;
    parts.progression = "I IV";  // two bars: the body's length as without them
    const Arrangement a = ComposeArrangement(withParts.settings, withParts.state, parts);
    EXPECT_EQ(a.parts.front().Mml(), "Part(melody)\r\n" + phrase);
    EXPECT_EQ(withParts.settings.MmlText(), a.Mml());
  }
}

// Under a meter each part counts the meter's bars: every bar starts with
// the bass on its chord's root, the chord struck, and a kick; the chords
// strike only on the meter's beats.
TEST(Arrangement, PartsCountTheBarsOfTheMeter) {
  struct Case {
    const char* meter;
    const char* beats;  // empty: the meter's own
  };
  for (const Case& m : {Case{"3/4", ""}, Case{"7/8", ""}, Case{"7/8", "3+2+2"}, Case{"6/8", ""}, Case{"5/4", ""}}) {
    GrooveSettings groove;
    groove.meter = ParseMeter(m.meter);
    if (*m.beats) groove.meter->beats = ParseBeats(m.beats, *groove.meter);
    const int64_t bar = BarTicks(*groove.meter);
    for (uint32_t seed = 0; seed < 40; ++seed) {
      SCOPED_TRACE(std::string(m.meter) + " " + m.beats + ", seed " + std::to_string(seed));
      Engine e(seed);
      e.StartAsTheWindowDoes();
      ArrangementSettings parts;
      parts.bass = parts.chords = parts.drums = true;
      parts.progression = "I IV V vi";
      parts.comping = static_cast<Comping>(seed % 3);
      Composed c;
      c.a = ComposeArrangement(e.settings, e.state, parts, groove);
      ASSERT_GT(c.a.bodyTicks, 0);
      ASSERT_EQ(c.a.bodyTicks % bar, 0);
      std::map<int64_t, int> bass;
      for (const PhraseNote& n : c.Part("bass").Notes()) bass[n.startTick] = n.key;
      const auto chords = Strikes(c.Part("chords")), drums = Strikes(c.Part("drums"));
      for (int64_t start = 0; start < c.a.bodyTicks; start += bar) {
        const music::Chord& chord = ChordAt(c.a.chords, start, bar);
        ASSERT_TRUE(bass.contains(start)) << "bar at " << start;
        EXPECT_EQ(bass.at(start) % 12, chord.root) << "bar at " << start;
        ASSERT_TRUE(chords.contains(start)) << "bar at " << start;
        std::set<int> pitches, wanted(chord.tones.begin(), chord.tones.end());
        for (int k : chords.at(start)) pitches.insert(k % 12);
        EXPECT_EQ(pitches, wanted) << "bar at " << start;
        ASSERT_TRUE(drums.contains(start) && drums.at(start).front() == kKick) << "bar at " << start;
      }
      for (const auto& [tick, keys] : chords) EXPECT_NE(AccentAt(*groove.meter, tick), Accent::None) << tick;
    }
  }
}

// A form's sections are drawn by the line: a smooth line within its leap in
// each new section, each section closing on the tonic (a variation's
// redrawn notes too), and with a full pull every note on a beat a tone of
// the chord sounding at its place in the form.
TEST(Arrangement, AFormHonoursTheLineAndTheChords) {
  GrooveSettings groove;
  groove.form = "AA'BA'";
  groove.variation = 3;
  const int64_t section = 2 * kBarTicks;
  int moves = 0, steps = 0, strong = 0;
  for (uint32_t seed = 0; seed < 100; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Engine e(seed);
    e.StartAsTheWindowDoes();
    ArrangementSettings line;
    line.line.smoothness = 100;
    line.line.maxLeap = 7;
    line.line.cadence = 100;
    const std::vector<PhraseNote> notes = ComposeArrangement(e.settings, e.state, line, groove).parts[0].Notes();
    ASSERT_FALSE(notes.empty());
    for (size_t i = 0; i + 1 < notes.size(); ++i) {
      const int64_t at = notes[i].startTick / section;
      if (at != notes[i + 1].startTick / section) {
        EXPECT_EQ(notes[i].key % 12, 0) << "section " << at + 1;
        continue;
      }
      if (at == 1 || at == 3) continue;  // a variation: its notes next to the redrawn ones are the letter's
      const int move = std::abs(notes[i + 1].key - notes[i].key);
      ASSERT_LE(move, 7) << "note " << i + 2;
      ++moves;
      steps += move <= 2;
    }
    EXPECT_EQ(notes.back().key % 12, 0);

    Engine pulled(seed);
    pulled.StartAsTheWindowDoes();
    ArrangementSettings chords;
    chords.progression = "I vi IV V";
    chords.line.chordPull = 100;
    const Arrangement a = ComposeArrangement(pulled.settings, pulled.state, chords, groove);
    for (const PhraseNote& n : a.parts[0].Notes()) {
      if (n.startTick % kBeatTicks != 0) continue;
      ++strong;
      const std::vector<int>& tones = ChordAt(a.chords, n.startTick, kBarTicks).tones;
      ASSERT_NE(std::find(tones.begin(), tones.end(), n.key % 12), tones.end()) << "note at " << n.startTick;
    }
  }
  EXPECT_GE(steps * 100, moves * 60) << steps << " of " << moves;
  EXPECT_GT(strong, 1000);
}

// Each letter on its own progression from its first chord, a primed letter
// and the letters without a label on the text before the labels: the bass
// on each bar's first step is the root of the bar's chord written here.
TEST(Arrangement, SectionsPlayTheirLettersProgressions) {
  struct Case {
    std::string form, progression;
    std::vector<std::string> symbols;  // a bar, sections of two bars, in C
    std::vector<int> roots;
  };
  const Case cases[] = {
      {"AABA", "A: I vi IV V | B: ii V I", {"C", "Am", "C", "Am", "Dm", "G", "C", "Am"}, {0, 9, 0, 9, 2, 7, 0, 9}},
      {"AA'BA'", "IV V B: vi", {"F", "G", "F", "G", "Am", "Am", "F", "G"}, {5, 7, 5, 7, 9, 9, 5, 7}},
      {"ABAC", "A: I, B: V7, C: bVII-IV", {"C", "C", "G7", "G7", "C", "C", "Bb", "F"}, {0, 0, 7, 7, 0, 0, 10, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form + " " + c.progression);
    GrooveSettings groove;
    groove.form = c.form;
    for (uint32_t seed = 0; seed < 10; ++seed) {
      Engine e(seed);
      e.StartAsTheWindowDoes();
      ArrangementSettings parts;
      parts.bass = true;
      parts.progression = c.progression;
      Composed composed;
      composed.a = ComposeArrangement(e.settings, e.state, parts, groove);
      ASSERT_EQ(composed.a.chords.size(), c.symbols.size());
      std::map<int64_t, int> bass;
      for (const PhraseNote& n : composed.Part("bass").Notes()) bass[n.startTick] = n.key;
      for (size_t bar = 0; bar < c.symbols.size(); ++bar) {
        EXPECT_EQ(composed.a.chords[bar].symbol, c.symbols[bar]) << "bar " << bar + 1;
        const int64_t start = static_cast<int64_t>(bar) * kBarTicks;
        ASSERT_TRUE(bass.contains(start)) << "bar " << bar + 1;
        EXPECT_EQ(bass.at(start) % 12, c.roots[bar]) << "bar " << bar + 1;
      }
    }
  }
}

// Texts that give some letter no progression, or one twice, are refused
// with the reason.
TEST(Arrangement, SectionProgressionsRefusedWithAReason) {
  struct Case {
    std::string form, progression;
  };
  const Case cases[] = {{"AB", "A: I vi"},         {"AB", "A: I B: V A: IV"}, {"AB", "A: I B:"},
                        {"AB", "A: I B: H7"},      {"", "A: I vi | B: ii V"}, {"AAB", "A: I | B: V | C: IV"}};
  for (const Case& c : cases) {
    GrooveSettings groove;
    groove.form = c.form;
    Engine e(1);
    e.StartAsTheWindowDoes();
    ArrangementSettings parts;
    parts.bass = true;
    parts.progression = c.progression;
    EXPECT_THROW(ComposeArrangement(e.settings, e.state, parts, groove), EngineError) << c.progression;
  }
  EXPECT_EQ(ProgressionError("A: I vi IV V | B: ii V I"), "");
  EXPECT_NE(ProgressionError("A: I | A: V"), "");
  EXPECT_NE(ProgressionError("A: I | B: Q"), "");
}

}  // namespace
}  // namespace volemo

namespace volemo {
namespace {

// Each part on a Euclidean rhythm of its own, some sounding at a step
// probability. The onsets are the even distribution's, by hand: E(3,8) is
// x..x..x. (onsets 0, 3, 6), rotated by 1 the eighths 1, 4, 7 of each 4/4
// bar; E(5,16) is x..x..x..x..x... (0, 3, 6, 9, 12), rotated by 2 the
// sixteenths 2, 5, 8, 11, 14. Every note lies on an onset; at 100 % every
// onset sounds, and the bar's first bass note, wherever it falls, is its
// chord's root; at p % about p in a hundred onsets sound.
TEST(Arrangement, EachPartKeepsItsOwnEuclideanRhythmAndStepProbability) {
  constexpr int64_t kEighth = kWholeNoteTicks / 8, kSixteenth = kWholeNoteTicks / 16;
  const std::set<int64_t> bassOnsets = {1, 4, 7}, chordOnsets = {0, 3, 6}, drumOnsets = {2, 5, 8, 11, 14};
  // Onsets of a 4/4 rhythm of the given length on steps of stepTicks that lie inside the body.
  const auto onsetsIn = [](const std::set<int64_t>& onsets, int64_t stepTicks, int steps, int64_t bodyTicks) {
    int count = 0;
    for (int64_t t = 0; t < bodyTicks; t += stepTicks)
      count += onsets.count((t / stepTicks) % steps) > 0 ? 1 : 0;
    return count;
  };
  int chordStrikes = 0, chordOnsetCount = 0, drumStrikes = 0, drumOnsetCount = 0;
  for (const Setting& s : kSettings) {
    for (uint32_t seed = 0; seed < 60; ++seed) {
      Engine e(seed);
      e.StartAsTheWindowDoes();
      e.Set("cmbScale", std::to_string(s.scale));
      e.Set("cmbKey", std::to_string(s.key));
      ArrangementSettings settings;
      settings.bass = settings.chords = settings.drums = true;
      settings.progression = s.progression;
      settings.bassVoicing.euclid = EuclidSteps{3, 8, 1};
      settings.chordVoicing.euclid = EuclidSteps{3, 8, 0};
      settings.chordVoicing.stepProbability = 60;
      settings.drumVoicing.euclid = EuclidSteps{5, 16, 2};
      settings.drumVoicing.stepProbability = 30;
      const Arrangement a = ComposeArrangement(e.settings, e.state, settings);
      const auto part = [&a](const char* name) -> const Phrase& {
        return a.parts[std::find(a.names.begin(), a.names.end(), name) - a.names.begin()];
      };
      SCOPED_TRACE(s.progression + " seed " + std::to_string(seed));

      const std::vector<PhraseNote>& bass = part("bass").Notes();
      EXPECT_EQ(static_cast<int>(bass.size()), onsetsIn(bassOnsets, kEighth, 8, a.bodyTicks));
      for (size_t i = 0; i < bass.size(); ++i) {
        const int64_t t = bass[i].startTick;
        EXPECT_EQ(t % kEighth, 0);
        EXPECT_TRUE(bassOnsets.count((t / kEighth) % 8)) << t;
        if (i == 0 || bass[i - 1].startTick / a.barTicks != t / a.barTicks) {
          EXPECT_EQ(bass[i].key % 12, ChordAt(a.chords, t, a.barTicks).root) << t;
        }
      }
      const auto chords = Strikes(part("chords"));
      for (const auto& [t, keys] : chords) EXPECT_TRUE(t % kEighth == 0 && chordOnsets.count((t / kEighth) % 8)) << t;
      chordStrikes += static_cast<int>(chords.size());
      chordOnsetCount += onsetsIn(chordOnsets, kEighth, 8, a.bodyTicks);
      const auto drums = Strikes(part("drums"));
      for (const auto& [t, keys] : drums) EXPECT_TRUE(t % kSixteenth == 0 && drumOnsets.count((t / kSixteenth) % 16)) << t;
      drumStrikes += static_cast<int>(drums.size());
      drumOnsetCount += onsetsIn(drumOnsets, kSixteenth, 16, a.bodyTicks);
    }
  }
  EXPECT_NEAR(static_cast<double>(chordStrikes) / chordOnsetCount, 0.60, 0.04);
  EXPECT_NEAR(static_cast<double>(drumStrikes) / drumOnsetCount, 0.30, 0.03);
}

}  // namespace
}  // namespace volemo

namespace volemo {
namespace {

// Drums under weights of the user's own: an instrument strikes only on the
// steps it weighs above 0, on every step it weighs 100, and at its weight
// between; the bar's first kick stays though the kick weighs 0 there, and
// the open hi-hat at 100 leaves the closed one no room. A re-roll draws by
// the same weights, so it keeps all of that but the share.
TEST(Arrangement, DrumsStrikeByTheirWeights) {
  constexpr int64_t kSixteenth = kWholeNoteTicks / 16;
  DrumWeights weights{};  // the kick 0 everywhere
  weights[1][6] = 100;  // snare
  weights[2].fill(50);  // closed hi-hat
  weights[3][10] = 100;  // open hi-hat
  int hatSteps = 0, hats = 0;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    Engine e(seed);
    e.StartAsTheWindowDoes();
    ArrangementSettings settings;
    settings.drums = true;
    settings.drumWeights = weights;
    Arrangement a = ComposeArrangement(e.settings, e.state, settings);
    Phrase& drums = a.parts[1];
    if (seed % 2) drums.Reroll(e.settings, e.state);
    SCOPED_TRACE("seed " + std::to_string(seed));
    const auto strikes = Strikes(drums);
    for (int64_t t = 0; t < a.bodyTicks; t += kSixteenth) {
      const int step = static_cast<int>(t / kSixteenth % 16);
      const std::vector<int> none, &keys = strikes.contains(t) ? strikes.at(t) : none;
      const auto has = [&keys](int key) { return std::find(keys.begin(), keys.end(), key) != keys.end(); };
      ASSERT_EQ(has(kKick), step == 0) << t;
      if (seed % 2 == 0) {
        ASSERT_EQ(has(kSnare), step == 6) << t;
        ASSERT_EQ(has(kOpenHat), step == 10) << t;
      } else {
        ASSERT_TRUE(!has(kSnare) || step == 6) << t;
        ASSERT_TRUE(!has(kOpenHat) || step == 10) << t;
      }
      ASSERT_TRUE(!has(kClosedHat) || step != 10) << t;
      if (seed % 2 == 0 && step != 10) {
        ++hatSteps;
        hats += has(kClosedHat) ? 1 : 0;
      }
    }
  }
  EXPECT_NEAR(static_cast<double>(hats) / hatSteps, 0.50, 0.03);
}

// The melody's swing and accents shape every part. Eighths swung at 75 %:
// in each quarter the second eighth starts at 360 and a sixteenth halfway
// into either eighth at 180 or 420; a bar's first hit is raised by the bar
// accent over the part's own velocity.
TEST(Arrangement, EveryPartSwingsAndTakesTheMelodysAccents) {
  GrooveSettings groove;
  groove.swing = 75;
  groove.swingGrid = 8;
  groove.beatAccent = 10;
  groove.barAccent = 20;
  std::map<std::string, std::set<int64_t>> inQuarter;
  for (uint32_t seed = 0; seed < 40; ++seed) {
    Engine e(seed);
    e.StartAsTheWindowDoes();
    ArrangementSettings settings;
    settings.bass = settings.chords = settings.drums = true;
    settings.progression = "I vi IV V";
    settings.comping = static_cast<Comping>(seed % 3);
    const Arrangement a = ComposeArrangement(e.settings, e.state, settings, groove);
    for (size_t p = 1; p < a.parts.size(); ++p) {
      for (const PhraseNote& n : a.parts[p].Notes()) inQuarter[a.names[p]].insert(n.startTick % 480);
      const std::string mml = a.parts[p].Mml();
      const size_t v = mml.find("\r\nv") + 3;
      const int own = std::atoi(mml.c_str() + v);
      EXPECT_NE(mml.find("v" + std::to_string(own + 20), v + 1), std::string::npos) << a.names[p] << " seed " << seed;
    }
  }
  for (const auto& [part, ticks] : inQuarter) {
    for (int64_t t : ticks) EXPECT_TRUE(t == 0 || t == 180 || t == 360 || t == 420) << part << " at " << t;
    if (part != "chords") {
      EXPECT_TRUE(ticks.contains(360)) << part;
    }
  }
}

// Humanized timing moves the parts' hits too, but not off a bar line: the
// kick and the bass's root stay where the bar starts. A re-roll draws a hit
// by the step it was drawn on, wherever it now sounds: the backbeats stay
// snares (95 % by the default weights).
TEST(Arrangement, HumanizedPartsKeepTheirBarLines) {
  GrooveSettings groove;
  groove.humanizeTime = 30;
  int moved = 0, backbeats = 0, snares = 0;
  for (uint32_t seed = 0; seed < 20; ++seed) {
    Engine e(seed);
    e.StartAsTheWindowDoes();
    ArrangementSettings settings;
    settings.bass = settings.drums = true;
    settings.progression = "I vi IV V";
    const Arrangement a = ComposeArrangement(e.settings, e.state, settings, groove);
    for (size_t p = 1; p < a.parts.size(); ++p) {
      std::set<int64_t> starts;
      for (const PhraseNote& n : a.parts[p].Notes()) {
        starts.insert(n.startTick);
        moved += n.startTick % (kWholeNoteTicks / 16) != 0;
      }
      for (int64_t bar = 0; bar < a.bodyTicks; bar += a.barTicks)
        EXPECT_TRUE(starts.contains(bar)) << a.names[p] << " seed " << seed << " bar at " << bar;
    }
    Phrase drums = a.parts[2];
    drums.Reroll(e.settings, e.state);
    for (const PhraseNote& n : drums.Notes()) {
      const int64_t inHalf = n.startTick % (kWholeNoteTicks / 2);
      if (std::abs(inHalf - kWholeNoteTicks / 4) > 30) continue;
      ++backbeats;
      snares += n.key == kSnare;
    }
  }
  EXPECT_GT(moved, 0);
  EXPECT_GT(snares, backbeats * 9 / 10) << snares << " of " << backbeats;
}

// However few steps sound, the bass keeps its note on each bar line (the
// chord's root) and the drums their kick there.
TEST(Arrangement, ABarsFirstHitStaysUnderStepProbability) {
  for (uint32_t seed = 0; seed < 40; ++seed) {
    Engine e(seed);
    e.StartAsTheWindowDoes();
    ArrangementSettings settings;
    settings.bass = settings.drums = true;
    settings.progression = "I vi IV V";
    settings.bassVoicing.stepProbability = settings.drumVoicing.stepProbability = 10;
    const Arrangement a = ComposeArrangement(e.settings, e.state, settings);
    for (int64_t bar = 0; bar < a.bodyTicks; bar += a.barTicks) {
      const auto at = [&](size_t part, int key) {
        return std::any_of(a.parts[part].Notes().begin(), a.parts[part].Notes().end(), [&](const PhraseNote& n) {
          return n.startTick == bar && (key < 0 || n.key == key);
        });
      };
      EXPECT_TRUE(at(1, -1)) << "bass, seed " << seed << " bar at " << bar;
      EXPECT_TRUE(at(2, kKick)) << "drums, seed " << seed << " bar at " << bar;
    }
  }
}

}  // namespace
}  // namespace volemo
