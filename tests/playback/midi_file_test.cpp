#include "midi_file.h"

#include <gtest/gtest.h>

#include <string>

#include "player_error.h"
#include "smf_builder.h"
#include "test_files.h"

namespace volemo {
namespace {

using test::Big;
using test::Chunk;
using test::Header;
using test::kEndOfTrack;
using test::Smf;
using test::TempoEvent;
using test::Vlq;

// The message of the PlayerError that parsing bytes throws, in UTF-8.
std::string ParseError(const std::string& bytes) {
  try {
    ParseMidiFile(bytes);
  } catch (const PlayerError& e) {
    return e.what();
  }
  return "(parsed)";
}

TEST(MidiFile, QuarterNoteAt120LastsHalfASecond) {
  const MidiFile midi = ParseMidiFile(Smf({{69, 0, 480}}, 120));
  EXPECT_EQ(midi.lastTick, 480);
  EXPECT_DOUBLE_EQ(midi.seconds, 0.5);
}

TEST(MidiFile, TrailingRestCountsToTheEndOfTrack) {
  const MidiFile midi = ParseMidiFile(Smf({{69, 0, 480}}, 60, 0, 1440));
  EXPECT_EQ(midi.lastTick, 1440);
  EXPECT_DOUBLE_EQ(midi.seconds, 3.0);
}

TEST(MidiFile, TempoChangeInOneTrackTimesTheLongestOther) {
  // Two quarters at 120 then two at 60; the notes lie in the second track.
  const std::string conductor = Vlq(0) + TempoEvent(120) + Vlq(960) + TempoEvent(60) + Vlq(0) + kEndOfTrack;
  const std::string notes = Vlq(0) + "\x90\x3C\x64" + Vlq(1920) + std::string("\x80\x3C\x00", 3) + Vlq(0) + kEndOfTrack;
  const MidiFile midi = ParseMidiFile(Header(1, 2, 480) + Chunk("MTrk", conductor) + Chunk("MTrk", notes));
  EXPECT_EQ(midi.lastTick, 1920);
  EXPECT_DOUBLE_EQ(midi.seconds, 3.0);
}

TEST(MidiFile, WithoutTempoEventsPlaysAt120) {
  const std::string track = Vlq(0) + "\x90\x3C\x64" + Vlq(960) + std::string("\x80\x3C\x00", 3) + Vlq(0) + kEndOfTrack;
  EXPECT_DOUBLE_EQ(ParseMidiFile(Header(0, 1, 480) + Chunk("MTrk", track)).seconds, 1.0);
}

TEST(MidiFile, RunningStatusProgramChangeAndSysExAreWalkedOver) {
  // Note on, two running-status data pairs (one a note-off by velocity 0), a
  // program change with its single data byte, a SysEx, a text event.
  const std::string track = Vlq(0) + "\x90\x3C\x64" + Vlq(100) + "\x3E\x64" + Vlq(100) + std::string("\x3C\x00", 2) +
                            Vlq(0) + "\xC0\x05" + Vlq(50) + "\xF0" + Vlq(3) + "\x7E\x7F\xF7" + Vlq(50) +
                            "\xFF\x01" + Vlq(2) + "hi" + Vlq(100) + std::string("\x80\x3E\x00", 3) + Vlq(0) +
                            kEndOfTrack;
  EXPECT_EQ(ParseMidiFile(Header(0, 1, 480) + Chunk("MTrk", track)).lastTick, 400);
}

TEST(MidiFile, DrumNotesAreNoteOnsOnChannel10) {
  // The renderer reads the drum kit only for these.
  const struct {
    std::string noteOn;
    bool drums;
  } cases[] = {{"\x99\x26\x64", true}, {"\x90\x26\x64", false}, {std::string("\x99\x26\x00", 3), false},
               {"\x98\x26\x64", false}};
  for (const auto& c : cases) {
    const std::string track = Vlq(0) + c.noteOn + Vlq(480) + std::string("\x89\x26\x00", 3) + Vlq(0) + kEndOfTrack;
    EXPECT_EQ(ParseMidiFile(Header(0, 1, 480) + Chunk("MTrk", track)).drumNotes, c.drums) << int(c.noteOn[0] & 0xFF);
  }
}

TEST(MidiFile, BankSelectsAndProgramChangesAreKeptInTrackOrder) {
  // Track 1: bank 8 on channel 1, a note, then by running status program 40
  // and program 41 after a rest; a modulation wheel and channel pressure in
  // between are left out. Track 2: program 25 on channel 10, bank LSB 3.
  const std::string first = Vlq(0) + std::string("\xB0\x00\x08", 3) + Vlq(0) + std::string("\x90\x3C\x00", 3) + Vlq(0) +
                            "\xB0\x01\x40" + Vlq(0) + "\xC0\x28" + Vlq(10) + "\x29" + Vlq(0) + "\xD0\x10" +
                            Vlq(0) + kEndOfTrack;
  const std::string second = Vlq(0) + "\xC9\x19" + Vlq(0) + "\xB9\x20\x03" + Vlq(0) + kEndOfTrack;
  const MidiFile midi = ParseMidiFile(Header(1, 2, 480) + Chunk("MTrk", first) + Chunk("MTrk", second));
  ASSERT_EQ(midi.voiceEvents.size(), 5u);
  const auto is = [&](size_t i, uint8_t status, uint8_t data1, uint8_t data2) {
    const VoiceEvent& e = midi.voiceEvents[i];
    return e.status == status && e.data1 == data1 && e.data2 == data2;
  };
  EXPECT_TRUE(is(0, 0xB0, 0, 8));
  EXPECT_TRUE(is(1, 0xC0, 40, 0));
  EXPECT_TRUE(is(2, 0xC0, 41, 0));
  EXPECT_TRUE(is(3, 0xC9, 25, 0));
  EXPECT_TRUE(is(4, 0xB9, 32, 3));
  EXPECT_EQ(midi.lastTick, 10);
}

TEST(MidiFile, LongestDeltaTimeIsFourBytes) {
  const std::string track = Vlq(0x0FFFFFF) + kEndOfTrack;
  EXPECT_EQ(ParseMidiFile(Header(0, 1, 480) + Chunk("MTrk", track)).lastTick, 0x0FFFFFF);
}

TEST(MidiFile, SmpteDivisionCountsTicksPerSecond) {
  // 25 frames per second of 40 ticks: 1000 ticks a second.
  const std::string track = Vlq(2500) + kEndOfTrack;
  const MidiFile midi = ParseMidiFile(Header(0, 1, 0xE728) + Chunk("MTrk", track));
  EXPECT_DOUBLE_EQ(midi.seconds, 2.5);
}

TEST(MidiFile, UnknownChunksAreSkipped) {
  const std::string bytes = Header(0, 1, 480) + Chunk("XFIH", "whatever") + Chunk("MTrk", Vlq(480) + kEndOfTrack);
  EXPECT_EQ(ParseMidiFile(bytes).lastTick, 480);
}

TEST(MidiFile, MalformedFilesAreReportedWithWhatIsWrong) {
  const std::string header = Header(0, 1, 480);
  EXPECT_NE(ParseError("RIFF....WAVE").find("MThd"), std::string::npos);
  EXPECT_NE(ParseError("").find("MThd"), std::string::npos);
  EXPECT_NE(ParseError(header.substr(0, 11)).find("途中で切れています"), std::string::npos);
  EXPECT_NE(ParseError(Header(0, 1, 0) + Chunk("MTrk", Vlq(0) + kEndOfTrack)).find("分解能 0"), std::string::npos);
  EXPECT_NE(ParseError(header).find("トラックを持っていません"), std::string::npos);
  // A track chunk longer than the file.
  EXPECT_NE(ParseError(header + "MTrk" + Big(100, 4) + Vlq(0)).find("途中で切れています"), std::string::npos);
  // A note-on cut off inside its track.
  EXPECT_NE(ParseError(header + Chunk("MTrk", Vlq(0) + "\x90\x3C")).find("トラック 1 が途中で切れています"),
            std::string::npos);
  EXPECT_NE(ParseError(header + Chunk("MTrk", std::string("\x81\x80\x80\x80\x00", 5) + kEndOfTrack)).find("4 バイトを超える"),
            std::string::npos);
  EXPECT_NE(ParseError(header + Chunk("MTrk", Vlq(0) + "\x3C\x64" + kEndOfTrack)).find("ステータスのない"),
            std::string::npos);
  EXPECT_NE(ParseError(header + Chunk("MTrk", Vlq(0) + "\xFF\x51\x03" + std::string(3, '\0') + kEndOfTrack))
                .find("テンポ 0"),
            std::string::npos);
}

TEST(MidiFile, EveryTruncationIsReportedOrReadUpToTheCut) {
  // Every kind of event the reader walks: tempo, program change, note-on
  // with a two-byte delta, running status, SysEx, text, end of track.
  const std::string track = Vlq(0) + TempoEvent(90) + Vlq(0) + "\xC0\x28" + Vlq(0) + "\x90\x3C\x64" + Vlq(200) +
                            "\x3E\x64" + Vlq(0) + "\xF0" + Vlq(3) + "\x7E\x7F\xF7" + Vlq(0) + "\xFF\x01" +
                            Vlq(2) + "hi" + Vlq(0) + kEndOfTrack;
  const std::string whole = Header(0, 1, 480) + Chunk("MTrk", track);
  ASSERT_EQ(ParseMidiFile(whole).lastTick, 200);
  // The file cut anywhere: the chunk lengths tell.
  for (size_t n = 0; n < whole.size(); ++n) {
    const std::string error = ParseError(whole.substr(0, n));
    const bool said = error.find(n < 4 ? "MThd" : n == 14 ? "トラックを持っていません" : "途中で切れています") !=
                      std::string::npos;
    EXPECT_TRUE(said) << n << ": " << error;
  }
  // The track cut anywhere, its chunk length agreeing: what is whole is
  // read, the rest is reported.
  for (size_t n = 0; n < track.size(); ++n) {
    const std::string error = ParseError(Header(0, 1, 480) + Chunk("MTrk", track.substr(0, n)));
    EXPECT_TRUE(error == "(parsed)" || error.find("トラック 1 が途中で切れています") != std::string::npos)
        << n << ": " << error;
  }
}

TEST(MidiFile, ReadingNamesTheFileThatFails) {
  const std::string dir = test::TestDir();
  try {
    ReadMidiFile(dir + "no such file.mid");
    FAIL() << "no error";
  } catch (const PlayerError& e) {
    EXPECT_NE(std::string(e.what()).find("\"" + dir + "no such file.mid\" を開けません"), std::string::npos);
  }
  test::WriteFile(dir + "text.mid", "not music");
  try {
    ReadMidiFile(dir + "text.mid");
    FAIL() << "no error";
  } catch (const PlayerError& e) {
    EXPECT_NE(std::string(e.what()).find(dir + "text.mid"), std::string::npos);
  }
}

}  // namespace
}  // namespace volemo
