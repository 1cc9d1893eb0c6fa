// The promises of the C interface: the message buffer and the file on disk.
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "dvorlin.h"
#include "test_support.h"

namespace dvorlin::testing {
namespace {

// Fails with several long messages (Japanese text, so double-byte characters).
const std::string kBadMml = "x\ny\nv999\n[4 c\n'ce\n";

// Offsets at which a CP932 character starts, and the end.
std::set<size_t> CharacterBoundaries(const std::string& text) {
  std::set<size_t> starts;
  for (size_t i = 0; i <= text.size();) {
    starts.insert(i);
    const auto b = static_cast<unsigned char>(i < text.size() ? text[i] : 0);
    i += ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
  }
  return starts;
}

TEST(MessageBuffer, NeverWrittenPastTheSetLengthAndAlwaysTerminatedWithinIt) {
  ScratchDir dir;
  const std::string full = CompileFile(kBadMml, dir.File("a.mid")).message;
  ASSERT_GT(full.size(), 100u);
  const std::set<size_t> boundaries = CharacterBoundaries(full);
  for (int32_t length = 1; length <= static_cast<int32_t>(full.size()) + 2; ++length) {
    SCOPED_TRACE(length);
    std::vector<char> buffer(full.size() + 16, '#');
    SetErrMsgLen(length);
    EXPECT_EQ(MMLtoMIDI(kBadMml.c_str(), dir.File("a.mid").c_str(), buffer.data()), 0);
    for (size_t i = length; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], '#') << "byte " << i << " written";
    const void* zero = std::memchr(buffer.data(), '\0', length);
    ASSERT_NE(zero, nullptr);
    const std::string kept(buffer.data());
    // A prefix of the whole message that does not cut a character in two.
    EXPECT_EQ(full.compare(0, kept.size(), kept), 0);
    EXPECT_TRUE(boundaries.count(kept.size()));
    // Only a split double-byte character is dropped.
    EXPECT_GE(kept.size() + 1, std::min(full.size(), static_cast<size_t>(length - 1)));
  }
}

TEST(MessageBuffer, ZeroOrNegativeLengthWritesNothing) {
  ScratchDir dir;
  for (const int32_t length : {0, -1, INT32_MIN}) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    SetErrMsgLen(length);
    EXPECT_EQ(MMLtoMIDI(kBadMml.c_str(), dir.File("a.mid").c_str(), buffer), 0);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '#'));
  }
}

TEST(MessageBuffer, SuccessLeavesAnEmptyMessageAndNullBufferIsAllowed) {
  ScratchDir dir;
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  SetErrMsgLen(sizeof buffer);
  EXPECT_NE(MMLtoMIDI("c", dir.File("a.mid").c_str(), buffer), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_NE(MMLtoMIDI("c", dir.File("b.mid").c_str(), nullptr), 0);
  EXPECT_EQ(MMLtoMIDI("x", dir.File("c.mid").c_str(), nullptr), 0);
}

TEST(MessageBuffer, MissingArgumentsAreReportedNotFollowed) {
  ScratchDir dir;
  EXPECT_EQ(Utf8(CompileFile("c", "").message), "MIDI ファイルの保存先が指定されていません。");
  std::vector<char> buffer(256, '\0');
  SetErrMsgLen(256);
  EXPECT_EQ(MMLtoMIDI(nullptr, dir.File("a.mid").c_str(), buffer.data()), 0);
  EXPECT_EQ(Utf8(buffer.data()), "MML が渡されていません。");
  EXPECT_EQ(MMLtoMIDI("c", nullptr, buffer.data()), 0);
  EXPECT_TRUE(dir.Names().empty());
}

TEST(MidiBuffer, HoldsTheFileMMLtoMIDIWritesOrNothingAndTheMessage) {
  ScratchDir dir;
  ASSERT_NE(CompileFile("t90 c d 'ce'", dir.File("a.mid")).result, 0);
  std::vector<char> message(256, '#');
  SetErrMsgLen(256);
  uint8_t* midi = nullptr;
  size_t size = 0;
  ASSERT_NE(MMLtoMIDIBuffer("t90 c d 'ce'", &midi, &size, message.data()), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(midi), size), ReadBytes(dir.File("a.mid")));
  EXPECT_EQ(message[0], '\0');
  FreeMIDIBuffer(midi);

  midi = reinterpret_cast<uint8_t*>(message.data());
  EXPECT_EQ(MMLtoMIDIBuffer("c x", &midi, &size, message.data()), 0);
  EXPECT_EQ(midi, nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(Utf8(message.data()), Utf8(CompileFile("c x", dir.File("b.mid")).message));
  EXPECT_EQ(MMLtoMIDIBuffer("c", nullptr, &size, message.data()), 0);
  EXPECT_EQ(Utf8(message.data()), "MIDI ファイルの受け取り先が指定されていません。");
  FreeMIDIBuffer(nullptr);
}

TEST(MidiFile, WrittenWholeUnderItsNameWithNothingLeftBeside) {
  ScratchDir dir;
  const std::string path = dir.File("temp.mid");
  WriteBytes(path, "an earlier file");
  const CallResult call = CompileFile("c d e", path);
  ASSERT_NE(call.result, 0) << Utf8(call.message);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"temp.mid"});
  EXPECT_EQ(ReadBytes(path).substr(0, 4), "MThd");
}

TEST(MidiFile, TheLongestFileNameTheSystemAllowsCanBeWritten) {
  ScratchDir dir;
  const std::string name = std::string(NAME_MAX - 4, 'a') + ".mid";
  const CallResult call = CompileFile("c", dir.File(name));
  ASSERT_NE(call.result, 0) << Utf8(call.message);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{name});
}

TEST(MidiFile, FailedCompileLeavesTheEarlierFileUntouched) {
  ScratchDir dir;
  const std::string path = dir.File("temp.mid");
  ASSERT_NE(CompileFile("c d e", path).result, 0);
  const std::string before = ReadBytes(path);
  EXPECT_EQ(CompileFile("c x", path).result, 0);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"temp.mid"});
}

TEST(MidiFile, UnwritablePlacesFailWithAMessageAndLeaveNoTemporaryFile) {
  ScratchDir dir;
  const CallResult noFolder = CompileFile("c", dir.File("missing/temp.mid"));
  EXPECT_EQ(noFolder.result, 0);
  EXPECT_EQ(Utf8(noFolder.message), "MIDI ファイルを書き込めません（保存先のフォルダがありません）。");

  // The temporary file can be written but not renamed over a folder.
  std::filesystem::create_directory(dir.File("temp.mid"));
  const CallResult folder = CompileFile("c", dir.File("temp.mid"));
  EXPECT_EQ(folder.result, 0);
  EXPECT_EQ(Utf8(folder.message), "MIDI ファイルを書き込めません（同じ名前のフォルダがあります）。");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"temp.mid"});
}

TEST(MidiFile, GetsTheModeOfANewFileUnderTheUmask) {
  ScratchDir dir;
  const mode_t old = umask(022);
  const CallResult call = CompileFile("c", dir.File("temp.mid"));
  umask(old);
  ASSERT_NE(call.result, 0);
  struct stat info {};
  ASSERT_EQ(stat(dir.File("temp.mid").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

}  // namespace
}  // namespace dvorlin::testing
