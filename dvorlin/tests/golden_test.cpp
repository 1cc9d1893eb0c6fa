// Golden cases: MML with the events it must produce written beside it, in
// golden/*.mml. A case starts with "// case: what it shows"; its own lines
// (with CR LF between them, as the composer writes) are the MML, and its
// comment lines say what midicsv must read from the file:
//   // expect: note KEY START LENGTH VELOCITY [CHANNEL]
//   // expect: tempo TICK BPM            (without one: 120 at tick 0)
//   // expect: voice TICK VOICE [CHANNEL]
//   // expect: bend TICK VALUE [CHANNEL]
//   // expect: bend-count N             (then the bends listed need only be among them)
//   // expect: end TICK                 (End_track of every track)
//   // expect: track NAME NOTES         (with parts: each track after the conductor in
//                                       order, its name, "-" for none, and its note count)
//   // error: the whole message line    (the compile must fail with exactly these)
// Notes, tempos, voices and bends are compared as whole lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

#include "midicsv_reader.h"
#include "test_support.h"

namespace dvorlin::testing {
namespace {

struct GoldenCase {
  std::string name;
  std::vector<std::string> lines;
  std::vector<HeardNote> notes;
  std::vector<HeardTempo> tempos;
  std::vector<HeardVoice> voices;
  std::vector<HeardBend> bends;
  int bendCount = -1;
  int end = -1;
  std::vector<std::string> errors;
  std::vector<std::string> trackNames;  // empty: one unnamed track
  std::vector<int> trackNotes;
};

void ParseExpectation(const std::string& text, GoldenCase& c) {
  std::istringstream in(text);
  std::string kind;
  in >> kind;
  if (kind == "track") {
    std::string name;
    int notes = -1;
    if (!(in >> name >> notes)) throw std::runtime_error("bad expectation: " + text);
    c.trackNames.push_back(name == "-" ? "" : name);
    c.trackNotes.push_back(notes);
    return;
  }
  std::vector<int> n;
  for (int v; in >> v;) n.push_back(v);
  auto need = [&](size_t low, size_t high) {
    if (n.size() < low || n.size() > high) throw std::runtime_error("bad expectation: " + text);
  };
  if (kind == "note") {
    need(4, 5);
    c.notes.push_back({n.size() > 4 ? n[4] : 1, n[0], n[1], n[2], n[3]});
  } else if (kind == "tempo") {
    need(2, 2);
    c.tempos.push_back({n[0], 60'000'000 / n[1]});
  } else if (kind == "voice") {
    need(2, 3);
    c.voices.push_back({n[0], n.size() > 2 ? n[2] : 1, n[1]});
  } else if (kind == "bend") {
    need(2, 3);
    c.bends.push_back({n[0], n.size() > 2 ? n[2] : 1, n[1]});
  } else if (kind == "bend-count") {
    need(1, 1);
    c.bendCount = n[0];
  } else if (kind == "end") {
    need(1, 1);
    c.end = n[0];
  } else {
    throw std::runtime_error("unknown expectation: " + text);
  }
}

std::vector<GoldenCase> ReadCases(const std::string& file) {
  std::ifstream in(std::string(DVORLIN_GOLDEN_DIR) + "/" + file);
  if (!in) throw std::runtime_error("cannot open " + file);
  std::vector<GoldenCase> cases;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("// case: ", 0) == 0) {
      cases.emplace_back().name = line.substr(9);
      continue;
    }
    if (cases.empty()) continue;
    GoldenCase& c = cases.back();
    c.lines.push_back(line);
    if (line.rfind("// expect: ", 0) == 0) ParseExpectation(line.substr(11), c);
    if (line.rfind("// error: ", 0) == 0) c.errors.push_back(line.substr(10));
  }
  // Blank lines between cases are not part of them.
  for (GoldenCase& c : cases)
    while (!c.lines.empty() && c.lines.back().empty()) c.lines.pop_back();
  return cases;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void RunGoldenFile(const std::string& file) {
  ScratchDir dir;
  const std::vector<GoldenCase> cases = ReadCases(file);
  ASSERT_FALSE(cases.empty()) << file;
  for (const GoldenCase& c : cases) {
    SCOPED_TRACE(file + ": " + c.name);
    std::string mml;
    for (const std::string& line : c.lines) mml += (mml.empty() ? "" : "\r\n") + line;
    const std::string path = dir.File("case.mid");
    std::filesystem::remove(path);
    const CallResult call = CompileFile(Cp932(mml), path);

    if (!c.errors.empty()) {
      EXPECT_EQ(call.result, 0);
      EXPECT_EQ(SplitLines(Utf8(call.message)), c.errors);
      EXPECT_FALSE(std::filesystem::exists(path));
      continue;
    }
    ASSERT_NE(call.result, 0) << Utf8(call.message);
    EXPECT_EQ(call.message, "");
    const HeardFile heard = ReadWithMidicsv(path);
    EXPECT_EQ(heard.format, 1);
    const size_t tracks = std::max<size_t>(1, c.trackNames.size());
    EXPECT_EQ(heard.tracks, static_cast<int>(1 + tracks));
    if (!c.trackNames.empty()) {
      EXPECT_EQ(heard.trackNames, c.trackNames);
      EXPECT_EQ(heard.trackNotes, c.trackNotes);
    }
    EXPECT_EQ(heard.division, 480);
    EXPECT_EQ(heard.timeSignature, "4, 2, 24, 8");
    EXPECT_EQ(heard.faults, std::vector<std::string>{});

    std::vector<HeardNote> notes = c.notes;
    std::stable_sort(notes.begin(), notes.end(), [](const HeardNote& x, const HeardNote& y) {
      return std::tie(x.start, x.channel, x.key) < std::tie(y.start, y.channel, y.key);
    });
    EXPECT_EQ(heard.notes, notes);
    const std::vector<HeardTempo> tempos = c.tempos.empty() ? std::vector<HeardTempo>{{0, 500000}} : c.tempos;
    EXPECT_EQ(heard.tempos, tempos);
    EXPECT_EQ(heard.voices, c.voices);
    if (c.bendCount < 0) {
      EXPECT_EQ(heard.bends, c.bends);
    } else {
      EXPECT_EQ(static_cast<int>(heard.bends.size()), c.bendCount);
      for (const HeardBend& bend : c.bends)
        EXPECT_NE(std::find(heard.bends.begin(), heard.bends.end(), bend), heard.bends.end())
            << "missing bend at " << bend.tick << " of " << bend.value;
    }
    if (c.end >= 0) {
      EXPECT_EQ(heard.trackEnds, std::vector<int>(1 + tracks, c.end));
    }
    EXPECT_GE(heard.trackEnds.size() == 1 + tracks ? heard.trackEnds.back() : -1, heard.lastNoteOff);
  }
}

TEST(Golden, Notes) { RunGoldenFile("notes.mml"); }
TEST(Golden, Lengths) { RunGoldenFile("lengths.mml"); }
TEST(Golden, TiesAndGates) { RunGoldenFile("ties_gates.mml"); }
TEST(Golden, ChordsAndDivs) { RunGoldenFile("chords_divs.mml"); }
TEST(Golden, Repeats) { RunGoldenFile("repeats.mml"); }
TEST(Golden, TempoChannelVoiceBend) { RunGoldenFile("controls.mml"); }
TEST(Golden, ComposerPhrases) { RunGoldenFile("composer.mml"); }
TEST(Golden, ErrorMessages) { RunGoldenFile("errors.mml"); }
TEST(Golden, Limits) { RunGoldenFile("limits.mml"); }
TEST(Golden, Parts) { RunGoldenFile("parts.mml"); }

}  // namespace
}  // namespace dvorlin::testing
