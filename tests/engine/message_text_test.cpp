// The libraries' messages in English: each form of template (an argument
// inside, one at the end, a detail after a blank), against the shipped
// translations.
#include <gtest/gtest.h>

#include "message_text.h"

namespace volemo {
namespace {

TEST(MessageText, FillsTheArgumentsInOrder) {
  EXPECT_EQ(FormatMessage("a %2 b %1 %3%", {"x", "y"}), "a y b x %3%");
}

TEST(MessageText, FindsTheTemplateOfAFinishedMessage) {
  const struct {
    const char* japanese;
    const char* english;
  } cases[] = {
      {"演奏を開始しました。", "Playing."},
      // an argument inside, and one at the end
      {"ファイル \"a b.dat\" は開けません。 No such file", "Cannot open the file \"a b.dat\". No such file"},
      {"SoundFont が見つかりません。探した場所: /a.sf2, /b.sf2", "No SoundFont found. Looked in: /a.sf2, /b.sf2"},
      {"MIDI ポート \"x\" が見つかりません。出力ポート:\n  a:1\n  b:2", "MIDI port \"x\" not found. Output ports:\n  a:1\n  b:2"},
      // a detail after the template, kept as it is
      {"シンセサイザーを作成できません。 fluidsynth: out of memory", "Cannot create the synthesizer. fluidsynth: out of memory"},
      {"SoundFont \"/x.sf2\" を読み込めません。 Permission denied", "Cannot load the SoundFont \"/x.sf2\". Permission denied"},
      // a lead-in ending in a blank, and the message after it; each line on its own
      {"2行目 14文字目: \"x\" は未定義の命令です。\r\n3行目 1文字目: \"q\" の後に数がありません。",
       "Line 2, column 14: \"x\" is no command.\r\nLine 3, column 1: \"q\" needs a number after it."},
      // arguments that are messages too: the part that fails and its reason
      {"\"a.mid\": MIDI ファイルとして読めません（トラック 2 が途中で切れています）。",
       "\"a.mid\": Cannot read it as a MIDI file (track 2 is cut short)."},
      {"MML ファイル \"a.mml\" を開けません。 通常のファイルではありません",
       "Cannot open the MML file \"a.mml\". not a regular file"},
      // a quoted argument is the user's own text, whatever it says
      {"\"ファイル\" は未定義の命令です。", "\"ファイル\" is no command."},
      // a message of no template, and one that only begins like one
      {"2行目 14文字目 \"x\" は未定義", "2行目 14文字目 \"x\" は未定義"},
      {"演奏を開始しました。!", "演奏を開始しました。!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TranslateMessage(c.japanese, "en"), c.english) << c.japanese;
    EXPECT_EQ(TranslateMessage(c.japanese, "ja"), c.japanese);
  }
}

}  // namespace
}  // namespace volemo
