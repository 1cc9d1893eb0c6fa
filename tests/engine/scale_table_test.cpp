#include "scale_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "engine_error.h"
#include "engine_fixture.h"

namespace volemo {
namespace {

namespace fs = std::filesystem;

ScaleWeights Weights(std::initializer_list<int> w) {
  ScaleWeights out{};
  std::copy(w.begin(), w.end(), out.begin());
  return out;
}

TEST(ScaleTable, SplitsLinesAtCrLfLoneCrAndLoneLf) {
  const ScaleTable t = ParseScaleTable("Minor\r\nA0A\r\n\r\nMajor\r\nA0A0AA0A0A0A");
  EXPECT_EQ(t.names, (std::vector<std::string>{"Minor", "Major"}));
  EXPECT_EQ(t.definitions, (std::vector<std::string>{"A0A", "A0A0AA0A0A0A"}));
  EXPECT_EQ(DefaultScaleIndex(t), 1);

  // LF then CR is two breaks with an empty line between: the empty line is
  // A's definition, and B starts the next record.
  const ScaleTable lfcr = ParseScaleTable("A\n\rB\rC\n");
  EXPECT_EQ(lfcr.names, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(lfcr.definitions, (std::vector<std::string>{"", "C"}));
}

TEST(ScaleTable, SkipsEmptyLinesBetweenRecordsButNotAfterAName) {
  const ScaleTable t = ParseScaleTable("\r\n\r\nX\r\n\r\nY\r\n123\r\n\r\n\r\nZ\r\n9\r\n\r\n");
  EXPECT_EQ(t.names, (std::vector<std::string>{"X", "Y", "Z"}));
  EXPECT_EQ(t.definitions, (std::vector<std::string>{"", "123", "9"}));
}

TEST(ScaleTable, ZeroByteEndsTheText) {
  const ScaleTable t = ParseScaleTable(std::string_view("X\r\n123\0\r\nY\r\n456", 16));
  EXPECT_EQ(t.names, (std::vector<std::string>{"X"}));
  EXPECT_EQ(t.definitions, (std::vector<std::string>{"123"}));
}

TEST(ScaleTable, NameOnTheLastLineGetsAnEmptyDefinition) {
  const ScaleTable t = ParseScaleTable("X\r\n1\r\n\r\nLast");
  EXPECT_EQ(t.names, (std::vector<std::string>{"X", "Last"}));
  EXPECT_EQ(t.definitions, (std::vector<std::string>{"1", ""}));
}

TEST(ScaleTable, MajorIsFoundIgnoringCaseButNotTrimmed) {
  EXPECT_EQ(DefaultScaleIndex(ParseScaleTable(" Major\r\n1\r\nmajor \r\n1\r\nMAJOR\r\n1\r\nMajor\r\n1")), 2);
  EXPECT_EQ(DefaultScaleIndex(ParseScaleTable("Minor\r\n1")), -1);
}

TEST(ScaleTable, DefinitionDigits) {
  EXPECT_EQ(DefinitionWeights("A000A00A"), Weights({10, 0, 0, 0, 10, 0, 0, 10}));
  EXPECT_EQ(DefinitionWeights("101011010101"), Weights({1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1}));
  // The trail byte of "ア" (0x83 0x41) is the code of "A" but counts 0.
  EXPECT_EQ(DefinitionWeights("a9G-" + Sj("ア") + "1234567899"), Weights({10, 9, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6}));
  // Digits beyond the sliders' maximum count as the maximum.
  EXPECT_EQ(DefinitionWeights("BcF"), Weights({10, 10, 10}));
}

TEST(ScaleTable, ApplyTransposesTheTonicToTheKey) {
  Engine e;
  e.state.scaleNames = {"Major"};
  e.state.scaleDefinitions = {"101011010101"};
  e.settings.SetIndex("cmbScale", 0);
  e.settings.SetIndex("cmbKey", 2);  // D
  ApplyScale(e.settings, e.state);
  //                             C  C# D  D# E  F  F# G  G# A  A# B
  EXPECT_EQ(e.state.weights, Weights({0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1}));
  for (int i = 0; i < 12; ++i) EXPECT_EQ(e.settings.Position("src" + std::to_string(i)), e.state.weights[i]);
}

TEST(ScaleTable, ApplyUndoesSliderEdits) {
  Engine e;
  e.state.scaleNames = {"Triad"};
  e.state.scaleDefinitions = {"A000A00A"};
  e.settings.SetIndex("cmbScale", 0);
  ApplyScale(e.settings, e.state);
  e.settings.SetPosition("src1", 5);
  e.settings.SetPosition("src0", 2);
  EXPECT_EQ(e.state.weights[1], 5);
  ApplyScale(e.settings, e.state);
  EXPECT_EQ(e.state.weights, Weights({10, 0, 0, 0, 10, 0, 0, 10}));
  EXPECT_EQ(e.settings.Position("src1"), 0);
  EXPECT_EQ(e.settings.Position("src0"), 10);
}

TEST(ScaleTable, ApplyWithNothingSelectedFailsAndChangesNothing) {
  Engine e;
  e.state.scaleNames = {"Triad"};
  e.state.scaleDefinitions = {"A000A00A"};
  e.settings.SetPosition("src2", 3);
  try {
    ApplyScale(e.settings, e.state);
    FAIL() << "no error";
  } catch (const EngineError& error) {
    EXPECT_EQ(error.what(), std::string("リストのインデックスが範囲を超えています (-1)"));
  }
  EXPECT_EQ(e.state.weights, Weights({0, 0, 3}));
  EXPECT_EQ(e.settings.Position("src2"), 3);
}

class ScaleFile : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/volemo-scale-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& bytes) {
    const std::string path = (dir_ / "Scale.dat").string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  fs::path dir_;
  std::vector<std::pair<std::string, std::string>> warnings_;
  WarningFn warn_ = [this](const std::string& text, const std::string& caption) {
    warnings_.emplace_back(text, caption);
  };
};

TEST_F(ScaleFile, LoadsARealFileAndSelectsMajor) {
  Engine e;
  const std::string path = Write(Sj("短調") + "\r\nA0AA\r\n\r\n\r\nMajor\r\nA0A0AA0A0A0A\r\n");
  const int selected = LoadScaleTable(e.state, path, warn_);
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(e.state.scaleNames, (std::vector<std::string>{Sj("短調"), "Major"}));
  EXPECT_EQ(e.state.scaleDefinitions, (std::vector<std::string>{"A0AA", "A0A0AA0A0A0A"}));
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(ScaleFile, MissingFileWarnsThenApplyingFails) {
  Engine e;
  const int selected = LoadScaleTable(e.state, (dir_ / "Scale.dat").string(), warn_);
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(warnings_[0].first, "スケール定義ファイル\"Scale.dat\"がありません。");
  EXPECT_EQ(warnings_[0].second, "読み込みエラー");
  EXPECT_EQ(selected, -1);
  EXPECT_TRUE(e.state.scaleNames.empty());
  EXPECT_TRUE(e.state.scaleDefinitions.empty());

  e.settings.SetIndex("cmbScale", selected);
  EXPECT_THROW(ApplyScale(e.settings, e.state), EngineError);
  EXPECT_EQ(e.state.weights, ScaleWeights{});
}

// What is not a scale file is refused without being read: a FIFO would
// block the start for ever, /dev/zero fill the memory.
TEST_F(ScaleFile, WhatIsNotAScaleFileFailsWithThePathAndTheReasonAfterTheSentence) {
  const fs::path path = dir_ / "Scale.dat";
  const struct {
    void (*make)(const fs::path&);
    const char* reason;
  } cases[] = {
      {[](const fs::path& p) { fs::create_directory(p); }, "Is a directory"},
      {[](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "通常のファイルではありません"},
      {[](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, "通常のファイルではありません"},
      {[](const fs::path& p) {
         std::ofstream(p) << "Major\n";
         fs::resize_file(p, 4 * 1024 * 1024 + 1);
       },
       "スケール定義ファイルとしては大きすぎます（4 MiB まで）"},
  };
  for (const auto& c : cases) {
    Engine e;
    c.make(path);
    try {
      LoadScaleTable(e.state, path.string(), warn_);
      ADD_FAILURE() << "no error: " << c.reason;
    } catch (const EngineError& error) {
      EXPECT_EQ(error.what(), "ファイル \"" + path.string() + "\" は開けません。 " + c.reason);
    }
    EXPECT_TRUE(warnings_.empty());
    EXPECT_TRUE(e.state.scaleNames.empty());
    fs::remove_all(path);
  }
}

// A file without the start-up scale says what it lacks before the list-index
// box says that nothing is selected.
TEST_F(ScaleFile, FileWithoutMajorWarnsWhatItLacks) {
  const struct {
    std::string bytes;
    const char* lacks;
  } cases[] = {
      {"", "スケールがありません"},
      {"\r\n\r\n", "スケールがありません"},
      {std::string("\0Major\r\nA0A0AA0A0A0A", 20), "スケールがありません"},
      {"\x89PNG\r\n\x1a\n\xff\xd8", "\"Major\" という名前のスケールがありません"},
      {"Minor\nA0A\nDorian\nA0A0\n", "\"Major\" という名前のスケールがありません"},
  };
  for (const auto& c : cases) {
    Engine e;
    const std::string path = Write(c.bytes);
    warnings_.clear();
    EXPECT_EQ(LoadScaleTable(e.state, path, warn_), -1);
    ASSERT_EQ(warnings_.size(), 1u) << c.lacks;
    EXPECT_EQ(warnings_[0].first, "スケール定義ファイル\"" + path + "\"に" + c.lacks + "。");
    EXPECT_EQ(warnings_[0].second, "読み込みエラー");
  }
}

TEST(ShippedScaleFile, HoldsMajorAndOnlyDigitsTheSlidersShow) {
  Engine e;
  const int selected = LoadScaleTable(e.state, VOLEMO_SHIPPED_SCALE_FILE, [](auto&, auto&) { FAIL(); });
  ASSERT_GE(selected, 0);
  EXPECT_EQ(e.state.scaleNames[selected], "Major");
  EXPECT_GE(e.state.scaleNames.size(), 20u);
  EXPECT_EQ(std::set(e.state.scaleNames.begin(), e.state.scaleNames.end()).size(), e.state.scaleNames.size());
  for (const std::string& d : e.state.scaleDefinitions) {
    EXPECT_EQ(d.size(), 12u) << d;
    EXPECT_EQ(d.find_first_not_of("0123456789A"), std::string::npos) << d;
    EXPECT_EQ(d[0], 'A') << "the tonic weighs most: " << d;
  }
}

}  // namespace
}  // namespace volemo
