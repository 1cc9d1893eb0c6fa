// use_vorlin_dll over the real library: what the rest of the program relies
// on.
#include "use_vorlin_dll.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "midicsv_reader.h"
#include "test_support.h"

namespace volemo {
namespace {

using dvorlin::testing::ReadBytes;
using dvorlin::testing::ScratchDir;
using dvorlin::testing::Utf8;

TEST(Bridge, SuccessWritesAPlayableFileAndLeavesAnEmptyMessage) {
  ScratchDir dir;
  const std::string path = dir.File("temp.mid");
  ASSERT_TRUE(CompileMmlToMidi("Tempo=110;Channel(1);Voice(1)\r\nv120l16[4 \r\nq100o4c>d\r\n]", path))
      << Utf8(LastCompileMessage());
  EXPECT_EQ(LastCompileMessage(), "");
  const dvorlin::testing::HeardFile heard = dvorlin::testing::ReadWithMidicsv(path);
  EXPECT_EQ(heard.notes.size(), 8u);
  EXPECT_TRUE(heard.faults.empty());
}

TEST(Bridge, FailureKeepsTheLibrarysMessageAndTheEarlierFile) {
  ScratchDir dir;
  const std::string path = dir.File("temp.mid");
  ASSERT_TRUE(CompileMmlToMidi("c", path));
  const std::string before = ReadBytes(path);
  EXPECT_FALSE(CompileMmlToMidi("c\r\nv120 x", path));
  EXPECT_EQ(Utf8(LastCompileMessage()), "2行目 6文字目: \"x\" は未定義の命令です。");
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(Bridge, EveryCompileReplacesTheMessage) {
  ScratchDir dir;
  EXPECT_FALSE(CompileMmlToMidi("x", dir.File("a.mid")));
  EXPECT_FALSE(LastCompileMessage().empty());
  EXPECT_TRUE(CompileMmlToMidi("c", dir.File("a.mid")));
  EXPECT_EQ(LastCompileMessage(), "");
}

TEST(Bridge, MessageIsCutAt4096BytesOnACharacterBoundary) {
  // Fifty long messages, each quoting 24 bytes of the bad field: well over
  // 4096 bytes in all.
  std::string mml;
  for (int i = 0; i < 60; ++i) mml += "Tempo=" + std::string(40, 'z') + "\r\n";
  ScratchDir dir;
  EXPECT_FALSE(CompileMmlToMidi(mml, dir.File("a.mid")));
  const std::string& message = LastCompileMessage();
  EXPECT_LE(message.size(), 4095u);
  EXPECT_GE(message.size(), 4094u);
  EXPECT_EQ(Utf8(message).find("\xEF\xBF\xBD"), std::string::npos) << "a character was cut";
  EXPECT_EQ(Utf8(message).rfind("1行目 7文字目: \"zzzz", 0), 0u);
}

}  // namespace
}  // namespace volemo
