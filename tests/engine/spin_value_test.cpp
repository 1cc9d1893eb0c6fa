#include "spin_value.h"

#include <gtest/gtest.h>

namespace volemo {
namespace {

TEST(SpinValue, ReadsDecimalWithBlanksAndSign) {
  EXPECT_EQ(ParseSpinText("110"), 110);
  EXPECT_EQ(ParseSpinText("  7"), 7);
  EXPECT_EQ(ParseSpinText("+7"), 7);
  EXPECT_EQ(ParseSpinText(" -3"), -3);
  EXPECT_EQ(ParseSpinText("007"), 7);
}

TEST(SpinValue, ReadsEveryHexPrefix) {
  EXPECT_EQ(ParseSpinText("$1F"), 31);
  EXPECT_EQ(ParseSpinText("x1f"), 31);
  EXPECT_EQ(ParseSpinText("X10"), 16);
  EXPECT_EQ(ParseSpinText("0x10"), 16);
  EXPECT_EQ(ParseSpinText("0XfF"), 255);
  EXPECT_EQ(ParseSpinText("-$10"), -16);
  EXPECT_EQ(ParseSpinText(" +0x7FFFFFFF"), 2147483647);
}

TEST(SpinValue, KeepsToTheSigned32BitRange) {
  EXPECT_EQ(ParseSpinText("2147483647"), 2147483647);
  EXPECT_EQ(ParseSpinText("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseSpinText("-$80000000"), INT32_MIN);
  EXPECT_EQ(ParseSpinText("2147483648"), std::nullopt);
  EXPECT_EQ(ParseSpinText("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseSpinText("$80000000"), std::nullopt);
  EXPECT_EQ(ParseSpinText("99999999999999999999999"), std::nullopt);
}

TEST(SpinValue, AnyOtherTextIsNotANumber) {
  for (const char* text : {"", " ", "abc", "1.5", "12 ", "1e3", "\t5", "$", "0x", "x", "-", "+-1",
                           "$G", "0x1g", "\xEF\xBC\x91" /* fullwidth 1 */})
    EXPECT_EQ(ParseSpinText(text), std::nullopt) << text;
}

TEST(SpinValue, NotANumberReadsAsTheMinimum) {
  EXPECT_EQ(SpinValue("abc", 30), 30);
  EXPECT_EQ(SpinValue("200", 1), 200);  // never clamped on reading
}

}  // namespace
}  // namespace volemo
