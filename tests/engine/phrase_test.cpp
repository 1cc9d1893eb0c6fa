#include "phrase.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "composer.h"
#include "engine_fixture.h"
#include "note_choice.h"

namespace volemo {
namespace {

using Sets = std::vector<std::pair<std::string, std::string>>;

struct SettingsCase {
  std::string name;
  Sets sets;
};

// Defaults, many two-note steps, a range past key 127, no weights at all,
// a single key, and short steps whose doubles split unevenly.
const std::vector<SettingsCase> kCases = {
    {"defaults", {}},
    {"chords, doubles, bends, mutes",
     {{"scrP3", "40"}, {"scrP4", "60"}, {"scrP5", "60"}, {"scrP6", "40"}, {"scrMuteRate", "50"}, {"scrGateM", "0"}}},
    {"C1 to B10 in Dorian", {{"cmbScale", "5"}, {"spnOct1", "1"}, {"spnOct2", "10"}, {"spnCount", "64"}}},
    {"all weights 0", {{"src0", "0"}, {"src2", "0"}, {"src4", "0"}, {"src5", "0"}, {"src7", "0"}, {"src9", "0"},
                       {"src11", "0"}}},
    {"C4 to C4", {{"cmbOct2", "0"}, {"spnOct2", "4"}}},
    {"sevenths, ties", {{"spnL", "7"}, {"scrP2", "100"}, {"scrP4", "50"}, {"chkPatternPlayFirst", "0"}}},
};

struct Composed {
  Composed(uint32_t seed, const Sets& sets) : e(seed) {
    e.StartAsTheWindowDoes();
    for (const auto& [name, value] : sets) e.Set(name, value);
    phrase = ComposePhrase(e.settings, e.state);
  }
  Engine e;
  Phrase phrase;
};

// The document with every note's text cut out: the pattern, gates, bends
// and layout an operation must keep.
std::string Skeleton(const Phrase& p) {
  std::string s;
  size_t at = 0;
  for (const PhraseNote& n : p.Notes()) {
    s += p.Mml().substr(at, n.textBegin - at) + '#';
    at = n.textEnd;
  }
  return s + p.Mml().substr(at);
}

// Reads the keys back from the notes' texts: "o" and an octave, or octave
// marks from the note before, then the name.
std::vector<int> KeysFromText(const Phrase& p) {
  static const std::string kNames = "c d ef g a b";
  std::vector<int> keys;
  int octave = 0;
  for (const PhraseNote& n : p.Notes()) {
    std::string_view t = std::string_view(p.Mml()).substr(n.textBegin, n.textEnd - n.textBegin);
    if (t.starts_with('o')) {
      octave = std::stoi(std::string(t.substr(1)));
      t.remove_prefix(t.find_first_not_of("o0123456789"));
    }
    for (; !t.empty() && (t[0] == '>' || t[0] == '<'); t.remove_prefix(1)) octave += t[0] == '>' ? 1 : -1;
    const size_t pitch = t.empty() ? std::string::npos : kNames.find(t[0]);
    keys.push_back(pitch == std::string::npos ? -1 : octave * 12 + static_cast<int>(pitch) + (t.size() == 2 && t[1] == '+'));
    EXPECT_TRUE(t.size() == 1 || t == std::string(1, t[0]) + "+") << p.Mml().substr(n.textBegin, 12);
  }
  return keys;
}

std::pair<int, int> Range(const Engine& e) {
  int low = e.settings.Index("cmbOct1") + e.settings.Value("spnOct1") * 12;
  int high = e.settings.Index("cmbOct2") + e.settings.Value("spnOct2") * 12;
  if (high < low) std::swap(low, high);
  return {low, std::min(std::max(low, high - 1), 127)};
}

// What every operation must keep, and what it may change: the keys of the
// unlocked notes, each within the range, with the text written to match.
void ExpectKept(const Phrase& before, const Phrase& after, const Engine& e, const std::string& where) {
  ASSERT_EQ(before.Notes().size(), after.Notes().size()) << where;
  EXPECT_EQ(Skeleton(before), Skeleton(after)) << where;
  const auto [low, high] = Range(e);
  const std::vector<int> keys = KeysFromText(after);
  for (size_t i = 0; i < after.Notes().size(); ++i) {
    const PhraseNote &b = before.Notes()[i], &a = after.Notes()[i];
    const std::string at = where + ", note " + std::to_string(a.number);
    EXPECT_EQ(a.number, static_cast<int>(i) + 1) << at;
    EXPECT_EQ(std::tie(a.startTick, a.soundingTicks, a.gate, a.symbol, a.locked),
              std::tie(b.startTick, b.soundingTicks, b.gate, b.symbol, b.locked)) << at;
    if (a.locked) {
      EXPECT_EQ(a.key, b.key) << at;
    }
    EXPECT_GE(a.key, low) << at;
    EXPECT_LE(a.key, high) << at;
    EXPECT_EQ(keys[i], a.key) << at << "\n" << after.Mml();
  }
}

int Differing(const Phrase& a, const Phrase& b) {
  int n = 0;
  for (size_t i = 0; i < a.Notes().size(); ++i) n += a.Notes()[i].key != b.Notes()[i].key;
  return n;
}

TEST(Phrase, RerollAndMutateKeepEverythingButUnlockedKeys) {
  for (const SettingsCase& c : kCases) {
    int redrawn = 0, changed = 0, offScale = 0, mutations = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
      const std::string where = c.name + ", seed " + std::to_string(seed);
      Composed x(seed, c.sets);
      for (const PhraseNote& n : x.phrase.Notes())
        if (n.number % 3 == 1) x.phrase.SetLocked(n.number, true);
      const Phrase composed = x.phrase;
      x.phrase.Reroll(x.e.settings, x.e.state);
      ExpectKept(composed, x.phrase, x.e, where + ", re-roll");
      redrawn += x.phrase.UnlockedCount();
      changed += Differing(composed, x.phrase);
      for (const PhraseNote& n : x.phrase.Notes()) offScale += !n.locked && x.e.state.weights[n.key % 12] == 0;

      for (int k : {0, 1, 3, 1000}) {
        const Phrase before = x.phrase;
        x.phrase.Mutate(k, x.e.settings, x.e.state);
        ExpectKept(before, x.phrase, x.e, where + ", mutate " + std::to_string(k));
        EXPECT_LE(Differing(before, x.phrase), k) << where;
        mutations += Differing(before, x.phrase);
      }
    }
    const bool weighted = c.name != "all weights 0";
    const bool oneKey = c.name == "C4 to C4";
    // An operation that redrew nothing would keep all of the above.
    EXPECT_GT(changed, oneKey ? -1 : redrawn / 3) << c.name;
    EXPECT_GT(mutations, oneKey ? -1 : 40) << c.name;
    if (weighted) {
      EXPECT_LE(offScale, redrawn / 100) << c.name;
    }
  }
}

TEST(Phrase, TimingFollowsStepsTiesDoublesGatesAndTheRepeat) {
  // Every note C4 (see Engine); sixteenths of 120 ticks, gates 50 and 25.
  Engine e(3);
  e.WeightOnlyC();
  e.RangeC4ToC4();
  e.Set("scrGateN", "50");
  e.Set("scrGateM", "25");
  e.Set("scrMuteRate", "0");
  e.Set("spnCount", "9");
  e.settings.SetPatternText("^Nr^ d^W^m");
  const Phrase p = ComposePhrase(e.settings, e.state);
  ASSERT_EQ(p.Mml(), "Tempo=110;Channel(1);Voice(1)\r\nv120l16[4 \r\n^q50o4cr^ Div{cc}^'cc'^q25c\r\n]");
  struct Expected {
    int64_t start, sounding;
    int gate;
    char symbol;
  };
  // The tie leading the body lengthens the m of the pass before it.
  const std::vector<Expected> expected = {
      {120, 60, 50, 'N'}, {480, 30, 50, 'd'}, {540, 90, 50, 'd'}, {720, 120, 50, 'W'}, {720, 120, 50, 'W'},
      {960, 60, 25, 'm'}};
  ASSERT_EQ(p.Notes().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const PhraseNote& n = p.Notes()[i];
    EXPECT_EQ(std::tie(n.startTick, n.soundingTicks, n.gate, n.symbol),
              std::tie(expected[i].start, expected[i].sounding, expected[i].gate, expected[i].symbol))
        << "note " << n.number;
    EXPECT_EQ(n.key, 48);
  }
  EXPECT_EQ(p.Mml().substr(p.Notes()[0].textBegin, 3), "o4c");
  EXPECT_EQ(p.Notes()[5].textEnd, p.Mml().size() - 3);
}

TEST(Phrase, LocksByNumberAndRefusesWhatCannotBe) {
  Composed x(5, {});
  Phrase& p = x.phrase;
  const int count = static_cast<int>(p.Notes().size());
  EXPECT_THROW(p.SetLocked(0, true), std::out_of_range);
  EXPECT_THROW(p.SetLocked(count + 1, true), std::out_of_range);
  EXPECT_THROW(p.Mutate(-1, x.e.settings, x.e.state), std::invalid_argument);
  p.SetAllLocked(true);
  const uint32_t seed = x.e.state.random.seed();
  p.Reroll(x.e.settings, x.e.state);
  p.Mutate(4, x.e.settings, x.e.state);
  EXPECT_EQ(x.e.state.random.seed(), seed) << "nothing unlocked, nothing drawn";
  p.SetLocked(count, false);
  EXPECT_EQ(p.UnlockedCount(), 1);

  EXPECT_EQ(WhyPhraseUnavailable(&p, p.Mml()), "");
  EXPECT_EQ(WhyPhraseUnavailable(nullptr, ""), Sj("フレーズがまだありません。先にフレーズを作成してください。"));
  EXPECT_EQ(WhyPhraseUnavailable(&p, p.Mml() + " "),
            Sj("MMLが作成後に書き換えられているため、ノートの操作はできません（書き換えたMMLはそのまま残します）。"));
}

TEST(NoteName, SharpsAndOctavesInTheNoteNumbering) {
  EXPECT_EQ(NoteName(48), "C4");
  EXPECT_EQ(NoteName(49), "C#4");
  EXPECT_EQ(NoteName(71), "B5");
  EXPECT_EQ(NoteName(127), "G10");
  EXPECT_EQ(NoteName(0), "C0");
}

}  // namespace
}  // namespace volemo
