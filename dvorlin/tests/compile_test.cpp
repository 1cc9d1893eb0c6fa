// The C++ interface: places of diagnostics, sweeps, limits at their edges,
// and the file's variable-length times read back by midicsv.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "dvorlin/compile.h"
#include "messages.h"
#include "midicsv_reader.h"
#include "test_support.h"

namespace dvorlin::testing {
namespace {

std::string Messages(const Performance& p) { return Utf8(FormatDiagnostics(p.diagnostics)); }

TEST(Diagnostics, CountLinesByAnyLineBreakAndColumnsByCharacter) {
  struct Case {
    std::string mml;
    int line, column;
  };
  for (const Case& c : {Case{"c\r\n  x", 2, 3}, Case{"c\rx", 2, 1}, Case{"c\n\nd x", 3, 3},
                        Case{"c\r\n\r\nx", 3, 1}, Case{Cp932("// ドレミ\r\nc /*ドレミ*/ x"), 2, 11},
                        Case{"/* \x81 */x", 1, 8}, Case{"/* \x81\r\n*/x", 2, 3}}) {
    SCOPED_TRACE(c.mml);
    const Performance p = Perform(c.mml);
    ASSERT_EQ(p.diagnostics.size(), 1u) << Messages(p);
    EXPECT_EQ(p.diagnostics[0].line, c.line);
    EXPECT_EQ(p.diagnostics[0].column, c.column);
  }
}

// Messages hold only CP932 that converts: what is not is quoted by its code.
TEST(Diagnostics, BytesThatAreNotCp932AreQuotedByTheirCode) {
  struct Case {
    std::string mml, message;
  };
  for (const Case& c : {Case{"c \x81 d", "1行目 3文字目: \"<81>\" は未定義の命令です。"},
                        Case{"c \xFD", "1行目 3文字目: \"<FD>\" は未定義の命令です。"},
                        Case{"c \x85\x40", "1行目 3文字目: \"<85><40>\" は未定義の命令です。"},
                        Case{"c \xE0", "1行目 3文字目: \"<E0>\" は未定義の命令です。"},
                        Case{"Tempo=1\x81", "1行目 7文字目: \"1<81>\" は数ではありません（\"Tempo=\" の後には数を書いてください）。"},
                        Case{Cp932("c ア"), "1行目 3文字目: \"ア\" は未定義の命令です。"}}) {
    SCOPED_TRACE(c.mml);
    EXPECT_EQ(Messages(Perform(c.mml)), c.message);
  }
}

TEST(Diagnostics, OnlyAFailedAllocationIsOutOfMemory) {
  struct Case {
    std::exception_ptr error;
    std::string message;
  };
  for (const Case& c : {Case{std::make_exception_ptr(std::bad_alloc()), "メモリが足りません。"},
                        Case{std::make_exception_ptr(std::length_error("vector::reserve")),
                             "コンパイラの内部エラーです（vector::reserve）。"},
                        Case{std::make_exception_ptr(42), "コンパイラの内部エラーです（?）。"}}) {
    EXPECT_EQ(Utf8(msg::ForException(c.error)), c.message);
  }
}

TEST(Diagnostics, StopAfterFiftyLinesWithMistakes) {
  std::string mml;
  for (int i = 0; i < 80; ++i) mml += "c x\n";
  const Performance p = Perform(mml);
  ASSERT_EQ(p.diagnostics.size(), 50u);
  EXPECT_EQ(p.diagnostics.back().line, 50);
}

// Each later mistake on the line is dropped without placing it in a column,
// so a long line of them costs one pass, not one pass per mistake.
TEST(Diagnostics, ALongLineOfMistakesGivesOneMessage) {
  const std::string line(size_t{6} << 20, 'x');
  const Performance p = Perform("c\r\n" + line + "\r\n" + line);
  EXPECT_EQ(Messages(p), "2行目 1文字目: \"x\" は未定義の命令です。\r\n3行目 1文字目: \"x\" は未定義の命令です。");
}

TEST(Diagnostics, TextBeyondSixteenMegabytesIsRefusedUnread) {
  const Performance p = Perform(std::string((size_t{16} << 20) + 1, ' '));
  EXPECT_EQ(Messages(p), "1行目 1文字目: MML が長すぎます（16 MB まで）。");
}

// A note of gate 0 sounds nothing, yet a picture of the phrase shows it.
TEST(SilentNotes, GateZeroNotesAreKeptApartWithTheirWrittenLengthTiesIncluded) {
  const Performance p = Perform("l16 q0 c^ 'eg' q50 d q0 Div{ab}8");
  ASSERT_TRUE(p.ok()) << Messages(p);
  ASSERT_EQ(p.song.notes.size(), 1u);
  EXPECT_EQ(p.song.notes[0].start, 360u);
  EXPECT_EQ(p.song.notes[0].length, 60u);
  std::string silent;
  for (const Note& n : p.song.silentNotes)
    silent += std::to_string(n.start) + "+" + std::to_string(n.length) + ":" + std::to_string(n.key) + " ";
  EXPECT_EQ(silent, "0+240:60 240+120:64 240+120:67 480+120:69 600+120:71 ");
  EXPECT_EQ(p.song.endTick, 720u);
}

TEST(Sweep, MovesInEvenStepsOfTwoTicksAndEndsExactlyAtTheTarget) {
  const Performance p = Perform("l16 r p%.T(-8192,0,!32) c");
  ASSERT_TRUE(p.ok()) << Messages(p);
  const auto& bends = p.song.bends;
  ASSERT_EQ(bends.size(), 31u);
  for (size_t i = 0; i < bends.size(); ++i) {
    EXPECT_EQ(bends[i].tick, 120 + 2 * i);
    if (i > 0) {
      const int step = bends[i].value - bends[i - 1].value;
      EXPECT_TRUE(step == 273 || step == 274) << step;
    }
  }
  EXPECT_EQ(bends.front().value, -8192);
  EXPECT_EQ(bends.back().value, 0);
  ASSERT_EQ(p.song.notes.size(), 1u);
  EXPECT_EQ(p.song.notes[0].start, 120u);
}

TEST(Sweep, NeverRepeatsAValueWhenTheDistanceIsShort) {
  const Performance p = Perform("p%.T(0,3,!1)");
  ASSERT_TRUE(p.ok()) << Messages(p);
  ASSERT_EQ(p.song.bends.size(), 4u);
  EXPECT_EQ(p.song.bends[1].tick, 640u);
  EXPECT_EQ(p.song.bends[3].tick, 1920u);
  EXPECT_EQ(p.song.bends[3].value, 3);
}

TEST(Limits, AMillionEventsAreAllowedAndOneMoreIsNot) {
  const Performance exact = Perform("l64 [500 [1000 c]]");
  ASSERT_TRUE(exact.ok()) << Messages(exact);
  EXPECT_EQ(exact.song.notes.size(), 500'000u);
  const Performance over = Perform("l64 [500 [1000 c]] d");
  EXPECT_EQ(Messages(over),
            "1行目 20文字目: MIDI イベントが多すぎます（1000000 個まで）。繰り返しの回数を確かめてください。");
}

TEST(Limits, TwentyFourHoursAreAllowed) {
  const Performance p = Perform("Tempo=4 [1440 c1]");
  ASSERT_TRUE(p.ok()) << Messages(p);
  EXPECT_EQ(p.song.endTick, 1440u * 1920u);
}

// A name of 127 bytes and 63 parts are the most; one more is an error.
TEST(Limits, PartNamesAndPartCountsAtTheirEdges) {
  struct Case {
    std::string mml;
    bool ok;
  };
  auto parts = [](int n) {
    std::string mml;
    for (int i = 0; i < n; ++i) mml += "Part(p) c\r\n";
    return mml;
  };
  for (const Case& c : {Case{"Part(" + std::string(127, 'n') + ") c", true},
                        Case{"Part(" + std::string(128, 'n') + ") c", false}, Case{parts(63), true},
                        Case{parts(64), false}}) {
    const Performance p = Perform(c.mml);
    EXPECT_EQ(p.ok(), c.ok) << c.mml.size() << ": " << Messages(p);
    if (c.ok) {
      EXPECT_FALSE(WriteSmf(p.song).empty());
    }
  }
}

TEST(Meter, SignaturesTakeNoTimeAndALaterOneAtTheSameTickReplacesIt) {
  struct Case {
    std::string mml;
    std::vector<std::tuple<uint32_t, int, int>> meters;  // tick, numerator, power of two
  } cases[] = {
      {"c", {}},
      {"Meter(7/8)c", {{0, 7, 3}}},
      {"l4 c Meter=3/4 c Meter(12/8)", {{480, 3, 2}, {960, 12, 3}}},
      {"Meter(6/8) METER(7/8) c", {{0, 7, 3}}},
      {"Meter(5/1)c", {{0, 5, 0}}},
  };
  for (const Case& c : cases) {
    const Performance p = Perform(c.mml);
    ASSERT_TRUE(p.ok()) << c.mml << ": " << Messages(p);
    std::vector<std::tuple<uint32_t, int, int>> meters;
    for (const TimeSignature& t : p.song.meters) meters.emplace_back(t.tick, t.numerator, t.denominatorPower);
    EXPECT_EQ(meters, c.meters) << c.mml;
  }
  // The file's 4/4 is the one a text without a signature gets.
  EXPECT_EQ(WriteSmf(Perform("Meter(4/4)c").song), WriteSmf(Perform("c").song));
}

TEST(Meter, RefusesWhatIsNoSignature) {
  for (const char* mml : {"Meter(7/9)", "Meter(0/4)", "Meter(256/4)", "Meter(7)", "Meter(/8)", "Meter(7/128)",
                          "Meter(7/8", "Meter 7/8", "'c Meter(7/8)'"}) {
    const Performance p = Perform(mml);
    EXPECT_EQ(p.diagnostics.size(), 1u) << mml << ": " << Messages(p);
  }
  EXPECT_EQ(Messages(Perform("Meter(7/9)")),
            "1行目 7文字目: \"7/9\": 拍子は \"Meter(分子/分母)\" で、分子は 1～255、分母は 1, 2, 4, 8, 16, 32, 64 "
            "のいずれかで書いてください。");
}

TEST(Meter, EachSignatureIsInTheFileWithAClickABeat) {
  struct Case {
    std::string mml, signature;
  } cases[] = {{"Meter(3/4)c", "3, 2, 24, 8"}, {"Meter(6/8)c", "6, 3, 36, 8"},  {"Meter(7/8)c", "7, 3, 12, 8"},
               {"Meter(2/2)c", "2, 1, 48, 8"}, {"Meter(12/8)c", "12, 3, 36, 8"}, {"c Meter(5/4) c", "5, 2, 24, 8"}};
  ScratchDir dir;
  for (const Case& c : cases) {
    const std::vector<uint8_t> bytes = WriteSmf(Perform(c.mml).song);
    WriteBytes(dir.File("m.mid"), std::string(bytes.begin(), bytes.end()));
    const HeardFile heard = ReadWithMidicsv(dir.File("m.mid"));
    EXPECT_EQ(heard.timeSignature, c.signature) << c.mml;
    EXPECT_TRUE(heard.faults.empty()) << c.mml;
  }
}

TEST(SmfWriter, DeltaTimesSurviveEveryVariableLengthBoundary) {
  Song song;
  song.tempos.push_back({0, 500000});
  uint32_t tick = 0;
  for (const uint32_t delta : {0u, 127u, 128u, 16383u, 16384u, 2097151u, 2097152u, 0x0FFFFFFFu}) {
    tick += delta;
    song.bends.push_back({tick, 0, static_cast<int16_t>(delta % 8192)});
  }
  song.endTick = tick;
  const std::vector<uint8_t> bytes = WriteSmf(song);
  ScratchDir dir;
  WriteBytes(dir.File("d.mid"), std::string(bytes.begin(), bytes.end()));
  const HeardFile heard = ReadWithMidicsv(dir.File("d.mid"));
  ASSERT_EQ(heard.bends.size(), song.bends.size());
  for (size_t i = 0; i < song.bends.size(); ++i) {
    EXPECT_EQ(heard.bends[i].tick, static_cast<int>(song.bends[i].tick));
    EXPECT_EQ(heard.bends[i].value, song.bends[i].value);
  }
  EXPECT_EQ(heard.trackEnds, (std::vector<int>{static_cast<int>(tick), static_cast<int>(tick)}));
}

}  // namespace
}  // namespace dvorlin::testing
