#include "StrUnit.h"

#include <gtest/gtest.h>

#include "cp932.h"

namespace volemo {
namespace {

TEST(StrUnit, EveryCrLfBecomesOneBlank) {
  EXPECT_EQ(ReplaceCrLfWithBlank("first\r\nsecond\r\n"), "first second ");
  EXPECT_EQ(ReplaceCrLfWithBlank("\r\r\n\n"), "\r \n");
  EXPECT_EQ(ReplaceCrLfWithBlank("a\nb\rc"), "a\nb\rc");
  EXPECT_EQ(ReplaceCrLfWithBlank(""), "");
}

TEST(StrUnit, NeverMatchesAcrossTheTwoBytesOfACharacter) {
  const std::string kana = Cp932FromUtf8("ア");  // 0x83 0x41
  EXPECT_EQ(ReplaceCrLfWithBlank(kana + "\r\n" + kana), kana + " " + kana);
  // A lead byte takes the next byte with it, so this CR is not matched.
  EXPECT_EQ(ReplaceCrLfWithBlank("\x82\r\nA"), "\x82\r\nA");
  EXPECT_EQ(ReplaceCrLfWithBlank("A\x82"), "A\x82");
}

TEST(StrUnit, LeadBytes) {
  for (int c : {0x81, 0x9F, 0xE0, 0xFC}) EXPECT_TRUE(IsLeadByte(c)) << c;
  for (int c : {0x00, 0x40, 0x80, 0xA0, 0xDF, 0xFD}) EXPECT_FALSE(IsLeadByte(c)) << c;
}

}  // namespace
}  // namespace volemo
