#include "cp932.h"

#include <gtest/gtest.h>

namespace volemo {
namespace {

TEST(Cp932, ConvertsJapaneseBothWays) {
  const std::string bytes = "\x83\x58\x83\x50\x81\x5B\x83\x8B Scale";
  EXPECT_EQ(Cp932FromUtf8("スケール Scale"), bytes);
  EXPECT_EQ(Utf8FromCp932(bytes), "スケール Scale");
  EXPECT_EQ(Cp932FromUtf8(""), "");
  // Characters whose code page 932 mapping differs from plain Shift-JIS.
  EXPECT_EQ(Cp932FromUtf8("～①"), "\x81\x60\x87\x40");
}

TEST(Cp932, CharactersCp932CannotHoldAreNamed) {
  try {
    Cp932FromUtf8("ok é 🎵");
    FAIL() << "no error";
  } catch (const EncodingError& e) {
    EXPECT_STREQ(e.what(), "\"é\" はシフトJIS（CP932）で保存できない文字です。");
  }
  EXPECT_THROW(Cp932FromUtf8("\xFF"), EncodingError);
  EXPECT_EQ(Cp932FromUtf8Lossy("a\xC3\xA9" "b\xFF" "ア"), "a?b?\x83\x41");
}

TEST(Cp932, BytesThatAreNotCp932BecomeReplacementCharacters) {
  EXPECT_EQ(Utf8FromCp932("A\x82"), "A\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromCp932("\xFF" "B"), "\xEF\xBF\xBD" "B");
}

TEST(Cp932, TextFilesInEitherEncodingComeOutAsCp932) {
  const struct {
    const char* bytes;
    const char* cp932;
  } cases[] = {
      {"t120 cde", "t120 cde"},                                  // ASCII
      {"\x83\x58\x83\x50 c", "\x83\x58\x83\x50 c"},                // CP932 as it is
      {"スケ c", "\x83\x58\x83\x50 c"},                             // UTF-8
      {"\xEF\xBB\xBF" "t120", "t120"},                               // the byte order mark
      {"\x82\xA0\xE3\x81", "\x82\xA0\xE3\x81"},                    // cut UTF-8: CP932
  };
  for (const auto& c : cases) EXPECT_EQ(Cp932FromTextFile(c.bytes), c.cp932) << c.bytes;
  EXPECT_THROW(Cp932FromTextFile("c é"), EncodingError);
}

// The edges of both byte ranges, from the CP932 table: a lead byte makes a
// character with a trail byte only, and alone at the end of the text.
TEST(Cp932, ALeadByteTakesOnlyATrailByte) {
  const struct {
    unsigned char byte;
    bool lead, trail;
  } edges[] = {{0x3F, false, false}, {0x40, false, true}, {0x7E, false, true}, {0x7F, false, false},
               {0x80, false, true},  {0x81, true, true},  {0x9F, true, true},  {0xA0, false, true},
               {0xDF, false, true},  {0xE0, true, true},  {0xFC, true, true},  {0xFD, false, false}};
  for (const auto& first : edges) {
    for (const auto& second : edges) {
      const std::string text{char(first.byte), char(second.byte)};
      EXPECT_EQ(CharSize(text, 0), first.lead && second.trail ? 2u : 1u) << int(first.byte) << ' ' << int(second.byte);
    }
    EXPECT_EQ(CharSize(std::string(1, char(first.byte)), 0), 1u) << int(first.byte);
  }
  // A prefix never cuts a character: "ア" is 0x83 0x41.
  EXPECT_EQ(WholeCharPrefix("a\x83\x41", 2), 1u);
  EXPECT_EQ(WholeCharPrefix("a\x83\x41", 3), 3u);
  EXPECT_EQ(WholeCharPrefix("a\x83\r", 2), 2u);
}

// Text in UTF-16 is known by its byte order mark; a text holding NUL or
// another control character (a binary file, UTF-16 without its mark) is
// not MML, and the message names its line.
TEST(Cp932, TextFilesInUtf16AreConvertedAndOnesWithControlCharactersRefused) {
  using namespace std::string_literals;
  const struct {
    std::string bytes;
    std::string cp932;  // empty: refused with this in the message
    std::string message = "";
  } cases[] = {
      {"\xFF\xFEt\0" "1\0\r\0\n\0\xB9\x30"s, "t1\r\n\x83\x58"},   // UTF-16LE: "t1", CR LF, ス
      {"\xFE\xFF\0t\0" "1\x30\xB9"s, "t1\x83\x58"},                   // UTF-16BE
      {"\xFF\xFEt"s, "", "UTF-16"},                                     // cut short
      {"t\0\0\0"s, "", "1行目に制御文字 \"<00>\""},                    // UTF-16 without its mark
      {"c d\r\ne \x1B[0m"s, "", "2行目に制御文字 \"<1B>\""},
      {"\x83\x58\x7F"s, "", "\"<7F>\""},
      {"t120\tc d\r\n"s, "t120\tc d\r\n"},                           // tab and line breaks are text
  };
  for (const auto& c : cases) {
    if (!c.cp932.empty()) {
      EXPECT_EQ(Cp932FromTextFile(c.bytes), c.cp932);
      continue;
    }
    try {
      Cp932FromTextFile(c.bytes);
      ADD_FAILURE() << "not refused: " << c.bytes;
    } catch (const EncodingError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace volemo
