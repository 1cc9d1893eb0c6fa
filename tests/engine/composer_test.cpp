#include "composer.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "scale_table.h"

namespace volemo {
namespace {

constexpr std::string_view kDefaultHeader = "Tempo=110;Channel(1);Voice(1)\r\nv120l16[4 \r\n";
constexpr std::string_view kBend = "p%.T(-8192,0,!32)";

// Every note is C4 and takes two draws (see Engine), so bodies are exact.
class Composer : public testing::Test {
 protected:
  Composer() {
    e.WeightOnlyC();
    e.RangeC4ToC4();
  }
  std::string Compose(const std::string& pattern, int steps) {
    e.settings.SetPatternText(pattern);
    e.settings.SetText("spnCount", std::to_string(steps));
    ComposePhrase(e.settings, e.state);
    return e.settings.MmlText();
  }
  std::string Body(const std::string& pattern, int steps) {
    const std::string doc = Compose(pattern, steps);
    const size_t start = doc.find("[4 \r\n");
    EXPECT_NE(start, std::string::npos);
    EXPECT_TRUE(doc.ends_with("\r\n]")) << doc;
    return doc.substr(start + 5, doc.size() - start - 5 - 3);
  }
  Engine e{42};
};

TEST_F(Composer, DocumentIsHeaderBracketBodyBracket) {
  EXPECT_EQ(Compose("N", 1), std::string(kDefaultHeader) + "q100o4c\r\n]");
  EXPECT_EQ(e.settings.Status(), Sj("MMLフレーズを作成しました。"));
}

TEST_F(Composer, HeaderCopiesTheFieldTextsLiterally) {
  e.settings.SetText("spnTempo", "abc");
  e.settings.SetText("spnCH", "%d");
  e.settings.SetText("spnVoice", "$10");
  e.settings.SetText("spnV", "$10");
  e.settings.SetText("spnL", "8");
  EXPECT_TRUE(Compose("N", 1).starts_with("Tempo=abc;Channel(%d);Voice($10)\r\nv16l8[4 \r\n"));
  e.settings.SetChecked("chkVoice", false);
  EXPECT_TRUE(Compose("N", 1).starts_with("Tempo=abc;Channel(%d);\r\nv16l8[4 \r\n"));
}

TEST_F(Composer, GateIsWrittenOnlyWhenItChanges) {
  EXPECT_EQ(Body("N", 3), "q100o4ccc");
  EXPECT_EQ(Body("mN", 4), "q20o4cq100cq20cq100c");
  e.settings.SetPosition("scrGateN", 80);
  e.settings.SetPosition("scrGateM", 80);
  EXPECT_EQ(Body("mN", 4), "q80o4cccc");
}

TEST_F(Composer, RestsAndTiesWriteNoGateAndNoNote) {
  EXPECT_EQ(Body("r^", 4), "r^r^");
  EXPECT_EQ(e.state.lastNote, -1);
}

TEST_F(Composer, ChordsDoublesAndBendsFollowTheMuteDraw) {
  e.settings.SetPosition("scrMuteRate", 0);
  EXPECT_EQ(Body("W", 1), "q100'o4cc'");
  EXPECT_EQ(Body("d", 1), "q100Div{o4cc}");
  EXPECT_EQ(Body("B", 2), "q100" + std::string(kBend) + "o4c" + std::string(kBend) + "c");
  e.settings.SetPosition("scrMuteRate", 100);
  EXPECT_EQ(Body("W", 1), "q20'o4cc'");
  EXPECT_EQ(Body("d", 1), "q20Div{o4cc}");
  // The bent note itself always sounds with the normal gate.
  EXPECT_EQ(Body("B", 2), "q20" + std::string(kBend) + "q100o4cq20" + std::string(kBend) + "q100c");
}

TEST_F(Composer, MuteIsDrawnBeforeTheNotes) {
  e.settings.SetPosition("scrMuteRate", 50);
  RandomSource reference;
  reference.Seed(42);
  const bool firstMuted = reference.Next(100) < 50;
  for (int i = 0; i < 4; ++i) reference.Next(100);  // two notes, two draws each
  const bool secondMuted = reference.Next(100) < 50;
  ASSERT_NE(firstMuted, secondMuted) << "pick another seed";
  const std::string first = firstMuted ? "q20" : "q100";
  const std::string second = secondMuted ? "q20" : "q100";
  EXPECT_EQ(Body("WW", 2), first + "'o4cc'" + second + "'cc'");
}

TEST_F(Composer, SeparatorFollowsEverySixteenthStepButNotTheLast) {
  EXPECT_EQ(Body("NNNN NNNN NNNN NNNN", 32), "q100o4cccc cccc cccc cccc|\r\ncccc cccc cccc cccc");
}

TEST_F(Composer, SeparatorRepeatsOverBlanksAfterSixteenthStep) {
  const std::string body = Body("NNNN NNNN NNNN NNNN NNNN", 17);
  EXPECT_EQ(body, "q100o4cccc cccc cccc cccc|\r\n |\r\nc");
}

TEST_F(Composer, OtherCharactersWriteNothingAndAreNoSteps) {
  EXPECT_EQ(Body("NxN", 4), "q100o4cccc");
  EXPECT_EQ(Body("\r\n N\r\nr \r\n", 4), "q100o4crcr");  // inner line breaks ignored
}

TEST_F(Composer, DoubleByteCharacterIsReadAsItsTwoBytes) {
  // "ク" is 0x83 0x4E: the lead byte is ignored, the trail byte reads as N.
  EXPECT_EQ(Body(Sj("ク"), 2), "q100o4cc");
}

TEST_F(Composer, EmptyOrBlankPatternBoxGetsADrawnPattern) {
  for (const std::string box : {"", " \r\n \t"}) {
    const std::string body = Body(box, 16);
    EXPECT_EQ(e.settings.PatternText().size(), 19u);
    EXPECT_EQ(e.settings.PatternText().find_first_not_of("Nr^mdWB "), std::string::npos);
    EXPECT_FALSE(body.empty());
  }
}

TEST_F(Composer, PatternLengthBelowOneGivesAnEmptyBody) {
  e.settings.SetText("spnPatternCount", "-5");
  EXPECT_EQ(Body("", 32), "");
  EXPECT_EQ(e.settings.PatternText(), "");
}

TEST_F(Composer, PatternWithoutStepsIsReadOnce) {
  EXPECT_EQ(Body("x y  z", 32), "   ");
  EXPECT_EQ(e.settings.PatternText(), "x y  z");
}

TEST_F(Composer, UnconfirmedStepCountIsClampedToTheFieldsRange) {
  const std::string body = Body("N", 2000000000);
  EXPECT_EQ(std::count(body.begin(), body.end(), 'c'), 64);
  EXPECT_EQ(std::count(body.begin(), body.end(), '|'), 3);
  EXPECT_EQ(Body("N", 0), "q100o4c");
  EXPECT_EQ(Body("N", -7), "q100o4c");
}

TEST(ComposerSeed, SameSeedSameBytesWithDefaults) {
  Engine a(2024), b(2024), c(2025);
  for (Engine* e : {&a, &b, &c}) {
    e->state.scaleNames = {"Major"};
    e->state.scaleDefinitions = {"A06085090604"};
    e->settings.SetIndex("cmbScale", 0);
    ApplyScale(e->settings, e->state);
    ComposePhrase(e->settings, e->state);
  }
  EXPECT_EQ(a.settings.MmlText(), b.settings.MmlText());
  EXPECT_EQ(a.settings.PatternText(), b.settings.PatternText());
  EXPECT_NE(a.settings.MmlText(), c.settings.MmlText());
  EXPECT_TRUE(a.settings.MmlText().starts_with(kDefaultHeader));
}

}  // namespace
}  // namespace volemo
