// Composed phrases pinned as exact bytes: a seed must give the same phrase
// in every version, so these documents were written once and are compared
// whole. golden/composed_phrases.txt holds one case per "== name" line,
// followed by the document (CP932, CR LF inside) and one LF.
// VOLEMO_GOLDEN_OUT=FILE writes what this build composes, for review.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

#include "composer.h"
#include "engine_fixture.h"

namespace volemo {
namespace {

struct GoldenCase {
  std::string name;
  uint32_t seed;
  std::vector<std::pair<std::string, std::string>> sets;  // in order
  std::string pattern;                                     // empty: drawn
};

const std::vector<GoldenCase>& Cases() {
  static const std::vector<GoldenCase> cases = {
      {"seed 1, defaults", 1, {}, ""},
      {"seed 0, defaults", 0, {}, ""},
      {"seed 4294967295, defaults", 4294967295u, {}, ""},
      {"Dorian in E, tempo 90", 7, {{"cmbScale", "5"}, {"cmbKey", "4"}, {"spnTempo", "90"}}, ""},
      {"chords, doubles and bends, mute rate 50", 11,
       {{"scrP4", "60"}, {"scrP5", "60"}, {"scrP6", "40"}, {"scrMuteRate", "50"}}, ""},
      {"64 steps from C1 to G10", 12,
       {{"spnOct1", "1"}, {"cmbOct2", "7"}, {"spnOct2", "10"}, {"spnCount", "64"}, {"spnPatternCount", "64"}}, ""},
      {"typed pattern with an ignored letter", 13, {{"spnCount", "20"}}, "N^^r mWdB x"},
      {"all scale weights 0", 14,
       {{"src0", "0"}, {"src2", "0"}, {"src4", "0"}, {"src5", "0"}, {"src7", "0"}, {"src9", "0"}, {"src11", "0"}}, ""},
      {"eighths, gates 50 and 0, no voice", 15,
       {{"spnL", "8"}, {"scrGateN", "50"}, {"scrGateM", "0"}, {"chkVoice", "0"}, {"scrP3", "60"}}, ""},
      {"range C4 to C4", 16, {{"cmbOct2", "0"}, {"spnOct2", "4"}}, ""},
      {"range B5 down to C4", 17, {{"spnOct1", "5"}, {"cmbOct1", "11"}, {"spnOct2", "4"}, {"cmbOct2", "0"}}, ""},
      {"typed pattern starting with ties", 18, {{"spnCount", "12"}}, "^Nr^ d^W^"},
  };
  return cases;
}

std::string Compose(const GoldenCase& c) {
  Engine e(c.seed);
  e.StartAsTheWindowDoes();
  for (const auto& [name, value] : c.sets) e.Set(name, value);
  e.settings.SetPatternText(c.pattern);
  ComposePhrase(e.settings, e.state);
  return e.settings.MmlText();
}

std::map<std::string, std::string> ReadGolden() {
  std::ifstream in(VOLEMO_GOLDEN_DIR "/composed_phrases.txt", std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string text = s.str();
  std::map<std::string, std::string> golden;
  for (size_t at = 0; at < text.size();) {
    const size_t nameEnd = text.find('\n', at);
    const size_t next = text.find("\n== ", nameEnd);
    const size_t end = next == std::string::npos ? text.size() - 1 : next;
    golden[text.substr(at + 3, nameEnd - at - 3)] = text.substr(nameEnd + 1, end - nameEnd - 1);
    at = end + 1;
  }
  return golden;
}

TEST(ComposerGolden, SeedsAndSettingsGiveThePinnedDocuments) {
  if (const char* out = std::getenv("VOLEMO_GOLDEN_OUT")) {
    std::ofstream file(out, std::ios::binary);
    for (const GoldenCase& c : Cases()) file << "== " << c.name << '\n' << Compose(c) << '\n';
  }
  const std::map<std::string, std::string> golden = ReadGolden();
  ASSERT_EQ(golden.size(), Cases().size());
  for (const GoldenCase& c : Cases()) {
    ASSERT_TRUE(golden.contains(c.name)) << c.name;
    EXPECT_EQ(Compose(c), golden.at(c.name)) << c.name;
  }
}

}  // namespace
}  // namespace volemo
