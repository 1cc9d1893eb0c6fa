#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "composer.h"
#include "continuation.h"
#include "cp932.h"
#include "engine_fixture.h"
#include "smf_builder.h"
#include "style.h"

namespace volemo {
namespace {

using test::Chunk;
using test::Header;

struct Event {
  int tick;
  std::string bytes;
};

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// A track of the events in order of tick (the order given among equal ticks).
std::string Track(std::vector<Event> events) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.tick < b.tick; });
  std::string track;
  int at = 0;
  for (const Event& e : events) {
    track += test::Vlq(e.tick - at) + e.bytes;
    at = e.tick;
  }
  return Chunk("MTrk", track + test::Vlq(0) + test::kEndOfTrack);
}

void AddNote(std::vector<Event>& events, int channel, int key, int start, int length, int velocity = 100) {
  events.push_back({start, Bytes({0x90 | channel, key, velocity})});
  events.push_back({start + length, Bytes({0x80 | channel, key, 0})});
}

// Pitch classes D E F G A B C counted 12 6 8 5 10 4 5: fifty quarter notes
// sounding 90 % of their length, D4 to D5, at 100 beats a minute,
// velocities 60 70 80 90 100 ten times each.
const std::map<int, int> kDorianCounts = {{50, 8}, {62, 4}, {52, 6}, {53, 8}, {55, 5}, {57, 10}, {59, 4}, {60, 5}};
constexpr std::array<double, 12> kDorianShares = {5 / 50., 0, 12 / 50., 0, 6 / 50., 8 / 50., 0,
                                                  5 / 50., 0, 10 / 50., 0, 4 / 50.};

std::vector<int> DorianKeys() {
  std::vector<int> pool;
  for (const auto& [key, count] : kDorianCounts) pool.insert(pool.end(), count, key);
  std::vector<int> keys;
  for (size_t i = 0; i < pool.size(); ++i) keys.push_back(pool[i * 7 % pool.size()]);  // 7 and 50 are coprime
  return keys;
}

std::string DorianMelody() {
  std::vector<Event> events{{0, test::TempoEvent(100)}};
  const std::vector<int> keys = DorianKeys();
  for (size_t i = 0; i < keys.size(); ++i) AddNote(events, 0, keys[i], static_cast<int>(i) * 480, 432, 60 + static_cast<int>(i % 5) * 10);
  return Header(0, 1, 480) + Track(events);
}

Engine StartedEngine(uint32_t seed) {
  Engine engine(seed);
  engine.StartAsTheWindowDoes();
  return engine;
}

Style Learned(const std::string& smf, const PieceNotes** notes = nullptr) {
  static PieceNotes piece;
  piece = ReadPieceNotes(ParseMidiFile(smf), {}, "test.mid");
  if (notes) *notes = &piece;
  Engine engine = StartedEngine(0);
  return LearnStyle(piece, engine.state);
}

TEST(LearnStyle, ADorianMelodyGivesDDorianItsSharesAsWeightsAndItsRangeStepTempoAndLoudness) {
  const Style style = Learned(DorianMelody());
  EXPECT_EQ(style.key.tonic, 2);
  EXPECT_EQ(Utf8FromCp932(style.scaleName), "Dorian");
  EXPECT_GT(style.key.score, 0.9);
  for (int pc = 0; pc < 12; ++pc)
    EXPECT_NEAR(style.weights[pc], 10 * kDorianShares[pc] / kDorianShares[2], 2.0) << "pitch class " << pc;
  EXPECT_EQ(style.low, 50);
  EXPECT_EQ(style.high, 62);
  EXPECT_EQ(style.noteValue, 4);
  EXPECT_EQ(style.tempo, 100);
  EXPECT_EQ(style.velocity, 80);
  EXPECT_EQ(style.gateN, 90);
  EXPECT_EQ(style.rhythm, (std::array<int, 7>{100, 0, 0, 0, 0, 0, 0}));
}

// Eighth-note steps, each two bars "NN^m rNdN W^NB NNN^" four times: N 8,
// r 1, ^ 3, m 1, d 1, W 1, B 1 a bar pair. N notes sound 90 % of their
// steps, m notes 25 %; the B note has a bend while it sounds. A second
// track of drums, left out.
std::string RhythmFile() {
  constexpr int s = 240;
  std::vector<Event> melody, drums;
  for (int pass = 0; pass < 4; ++pass) {
    const int at = pass * 16 * s;
    for (int step : {0, 5, 7, 10, 12, 13}) AddNote(melody, 0, 60, at + step * s, s * 9 / 10);
    for (int step : {1, 14}) AddNote(melody, 0, 62, at + step * s, 2 * s * 9 / 10);  // N^
    AddNote(melody, 0, 64, at + 3 * s, s / 4);             // m
    AddNote(melody, 0, 65, at + 6 * s, s / 2 - 20);        // d
    AddNote(melody, 0, 67, at + 6 * s + s / 2, s / 2 - 20);
    AddNote(melody, 0, 60, at + 8 * s, 2 * s * 9 / 10);  // W^
    AddNote(melody, 0, 64, at + 8 * s, 2 * s * 9 / 10);
    melody.push_back({at + 11 * s, Bytes({0xE0, 0, 0x30})});  // B
    AddNote(melody, 0, 62, at + 11 * s, s * 9 / 10);
    melody.push_back({at + 11 * s + s * 9 / 10, Bytes({0xE0, 0, 0x40})});
    for (int step = 0; step < 16; ++step) AddNote(drums, 9, 36, at + step * s / 2, 30);
  }
  return Header(1, 2, 480) + Track(melody) + Track(drums);
}

TEST(LearnStyle, KnownRhythmSharesGiveTheRhythmWeightsAndGates) {
  const Style style = Learned(RhythmFile());
  EXPECT_EQ(style.symbols.substr(0, 16), "NN^mrNdNW^NBNNN^");
  EXPECT_EQ(style.noteValue, 8);
  EXPECT_EQ(style.rhythm, (std::array<int, 7>{100, 13, 38, 13, 13, 13, 13}));  // N 8/8, r 1/8, ^ 3/8 ...
  EXPECT_EQ(style.gateN, 90);
  EXPECT_EQ(style.gateM, 25);
  EXPECT_EQ(style.tempo, 120);  // no tempo in the file
  EXPECT_EQ(style.tracks, std::vector<int>{1});
}

// The phrases composed from the learned settings have the source's
// pitch-class shares: the weights round the shares to tenths of the largest
// and the note choice truncates them to whole percents (together within 1.5
// points here), and 400 phrases of some 64 notes each hold the sampling
// error of a share under 0.3 points (one standard deviation), so each share
// stays within 3 points.
TEST(LearnStyle, PhrasesOfTheLearnedSettingsHaveTheSourcesPitchClassShares) {
  const Style style = Learned(DorianMelody());
  std::array<double, 12> counts{};
  double notes = 0;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    Engine engine = StartedEngine(seed);
    for (const auto& [control, value] : StyleControls(style)) SetControl(engine.settings, engine.state, control, value);
    const Phrase phrase = ComposePhrase(engine.settings, engine.state);
    for (const PhraseNote& n : phrase.Notes()) {
      counts[n.key % 12] += 1;
      notes += 1;
    }
  }
  for (int pc = 0; pc < 12; ++pc) EXPECT_NEAR(counts[pc] / notes, kDorianShares[pc], 0.03) << "pitch class " << pc;
}

TEST(Continuation, StaysInTheScaleAndRangeAndStartsByAnIntervalOfThePiece) {
  const PieceNotes* piece = nullptr;
  const Style style = Learned(DorianMelody(), &piece);
  std::set<int> intervals;
  for (size_t i = 1; i < piece->notes.size(); ++i) intervals.insert(piece->notes[i].key - piece->notes[i - 1].key);
  for (uint32_t seed = 1; seed <= 50; ++seed) {
    Engine engine = StartedEngine(seed);
    for (const auto& [control, value] : StyleControls(style)) SetControl(engine.settings, engine.state, control, value);
    const Phrase phrase = ComposeContinuation(*piece, style, 4, engine.settings, engine.state);
    ASSERT_FALSE(phrase.Notes().empty());
    EXPECT_TRUE(intervals.contains(phrase.Notes().front().key - piece->notes.back().key)) << "seed " << seed;
    for (const PhraseNote& n : phrase.Notes()) {
      EXPECT_TRUE(n.key >= 50 && n.key <= 62 && kDorianShares[n.key % 12] > 0) << "seed " << seed << " key " << n.key;
    }
    EXPECT_EQ(engine.settings.MmlText(), phrase.Mml());
  }
}

}  // namespace
}  // namespace volemo
