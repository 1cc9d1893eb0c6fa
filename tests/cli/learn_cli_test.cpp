// volemo-cli learn, phrase --style and the bad files, on MIDI files made here.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "run_cli.h"
#include "smf_builder.h"

namespace volemo {
namespace {

class LearnCli : public ::testing::Test {
 protected:
  LearnCli() {
    std::string pattern = (fs::temp_directory_path() / "volemo-learn-cli-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    setenv("VOLEMO_DATA_DIR", dir_.c_str(), 1);
  }
  ~LearnCli() override {
    unsetenv("VOLEMO_DATA_DIR");
    fs::remove_all(dir_);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  fs::path dir_;
};

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// A melody of 48 sixteenths over four bars, D Dorian's notes.
std::string Melody() {
  std::vector<test::Note> notes;
  constexpr int kKeys[] = {50, 53, 57, 55, 52, 53, 50, 57, 60, 59, 57, 55, 53, 52, 50, 62};
  for (int i = 0; i < 48; ++i) notes.push_back({kKeys[i * 5 % 16], i * 120, i % 3 == 2 ? 40 : 100, 90});
  return test::Smf(notes, 96);
}

TEST_F(LearnCli, PhraseTakesWhatLearnPrintsAndStyleSetsTheSame) {
  const std::string song = Write("song.mid", Melody());
  const Result learned = RunCli({"learn", song});
  ASSERT_EQ(learned.status, 0) << learned.err;
  std::vector<std::string> args = Words(learned.out);
  ASSERT_GT(args.size(), 20u);
  args.insert(args.begin(), "phrase");
  args.insert(args.end(), {"--seed", "5"});
  const Result fromSets = RunCli(args);
  const Result fromStyle = RunCli({"phrase", "--style", song, "--seed", "5"});
  ASSERT_EQ(fromSets.status, 0) << fromSets.err;
  EXPECT_EQ(fromSets.out, fromStyle.out);
  EXPECT_NE(fromSets.out, RunCli({"phrase", "--seed", "5"}).out);
  EXPECT_NE(fromSets.out.find("Tempo=96;"), std::string::npos);
}

TEST_F(LearnCli, ASwungFileGivesItsSwing) {
  // Sixteenths at 480 a quarter, the second of each pair at 149 of 240 ticks: 62 %.
  std::vector<test::Note> notes;
  for (int i = 0; i < 64; ++i) notes.push_back({60 + i % 5, i / 2 * 240 + (i % 2 ? 149 : 0), 60});
  const Result r = RunCli({"learn", Write("swung.mid", test::Smf(notes)), "--groove", "16", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json groove = nlohmann::json::parse(r.out)["groove"];
  EXPECT_NEAR(groove["swing"].get<double>(), 62.0, 1.0);
  EXPECT_EQ(groove["options"], "--swing 62 --swing-grid 16");
}

TEST_F(LearnCli, TheStarredTakesTeachWhatTheirMidiFilesDo) {
  const std::string mid = (dir_ / "take.mid").string();
  ASSERT_EQ(RunCli({"phrase", "--seed", "9", "--keep", "--mid", mid}).status, 0);
  EXPECT_EQ(RunCli({"learn", "--starred"}).status, 1);  // nothing starred yet
  ASSERT_EQ(RunCli({"takes", "star", "1"}).status, 0);
  const Result starred = RunCli({"learn", "--starred"});
  ASSERT_EQ(starred.status, 0) << starred.err;
  EXPECT_EQ(starred.out, RunCli({"learn", mid}).out);
}

TEST_F(LearnCli, WhatCannotBeLearnedFromIsRefusedNamingTheFile) {
  const std::string drums = test::Header(0, 1, 480) +
                            test::Chunk("MTrk", test::Vlq(0) + "\x99\x24\x40" + test::Vlq(60) + std::string("\x89\x24\x00", 3) +
                                                    test::Vlq(0) + test::kEndOfTrack);
  std::string format2 = Melody();
  format2[9] = 2;
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> options;
    const char* why;
  };
  const Case cases[] = {
      {"text.mid", "not a MIDI file\n", {}, "MIDI ファイルではありません"},
      {"silent.mid", test::Smf({}), {}, "ノートがありません"},
      {"drums.mid", drums, {}, "ドラム"},
      {"format2.mid", format2, {}, "形式 2"},
      {"track.mid", Melody(), {"--track", "3"}, "トラック 3 はありません"},
      {"channel.mid", Melody(), {"--channel", "2"}, "チャンネル 2にノートがありません"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"learn", Write(c.name, c.bytes)};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 1) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_NE(r.err.find(c.name), std::string::npos) << c.name << ": " << r.err;
    EXPECT_NE(r.err.find(c.why), std::string::npos) << c.name << ": " << r.err;
    if (c.options.empty()) {
      EXPECT_EQ(RunCli({"phrase", "--style", args[1]}).status, 1) << c.name;
    }
  }
  EXPECT_EQ(RunCli({"learn", Write("ok.mid", Melody()), "--channel", "17"}).status, 2);
}

}  // namespace
}  // namespace volemo
