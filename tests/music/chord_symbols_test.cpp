// Expected tones worked out by hand from the symbols' meaning.
#include "chord_symbols.h"
#include "message_text.h"

#include <gtest/gtest.h>

namespace volemo::music {
namespace {

TEST(ChordSymbols, RomanNumeralsAndNamesGiveTheirTones) {
  struct Case {
    std::string_view symbol;
    int key;
    std::vector<int> tones;
    std::string name;
  };
  const Case cases[] = {
      {"I", 0, {0, 4, 7}, "C"},
      {"vi", 0, {9, 0, 4}, "Am"},
      {"ii7", 0, {2, 5, 9, 0}, "Dm7"},
      {"V7", 0, {7, 11, 2, 5}, "G7"},
      {"bVII", 0, {10, 2, 5}, "Bb"},
      {"vii\u00b0", 0, {11, 2, 5}, "Bdim"},
      {"viidim", 0, {11, 2, 5}, "Bdim"},
      {"vii\u00b07", 0, {11, 2, 5, 8}, "Bdim7"},
      {"IVmaj7", 0, {5, 9, 0, 4}, "Fmaj7"},
      {"Vsus4", 0, {7, 0, 2}, "Gsus4"},
      {"#iv", 0, {6, 9, 1}, "F#m"},
      {"IV", 7, {0, 4, 7}, "C"},
      {"iii", 2, {6, 9, 1}, "F#m"},
      {"Am", 5, {9, 0, 4}, "Am"},
      {"F#m7", 0, {6, 9, 1, 4}, "F#m7"},
      {"Bb", 0, {10, 2, 5}, "Bb"},
      {"Cb", 0, {11, 3, 6}, "B"},
      {"Ebmaj7", 0, {3, 7, 10, 2}, "Ebmaj7"},
      {"C7", 0, {0, 4, 7, 10}, "C7"},
      {"B\u00b0", 0, {11, 2, 5}, "Bdim"},
      {"Gsus4", 0, {7, 0, 2}, "Gsus4"},
  };
  for (const Case& c : cases) {
    const std::optional<Chord> chord = ParseChordSymbol(c.symbol, c.key);
    ASSERT_TRUE(chord) << c.symbol;
    EXPECT_EQ(chord->tones, c.tones) << c.symbol;
    EXPECT_EQ(chord->root, c.tones.front()) << c.symbol;
    EXPECT_EQ(chord->symbol, c.name) << c.symbol;
  }
}

TEST(ChordSymbols, ProgressionsSplitAndRefuseWhatIsNoChord) {
  const ParsedProgression ok = ParseProgression(" I-vi | IV,V ", 0);
  ASSERT_EQ(ok.error, "");
  ASSERT_EQ(ok.chords.size(), 4u);
  EXPECT_EQ(ok.chords[2].symbol, "F");
  for (std::string_view bad : {"I H V", "VIII", "Ix", "am", "Cmm", "V7sus4x"}) {
    const ParsedProgression p = ParseProgression(bad, 0);
    EXPECT_TRUE(p.chords.empty()) << bad;
    EXPECT_NE(TranslateMessage(p.error, "en").find("is not a chord"), std::string::npos) << bad;
  }
  EXPECT_EQ(TranslateMessage(ParseProgression(" | ", 0).error, "en"), "the progression holds no chord");
}

}  // namespace
}  // namespace volemo::music
