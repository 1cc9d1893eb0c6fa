#include "synth_render.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <filesystem>
#include <thread>

#include "composer.h"
#include "memory_settings.h"
#include "midi_file.h"
#include "scale_table.h"
#include "smf_builder.h"
#include "test_files.h"
#include "use_vorlin_dll.h"
#include "wav_reader.h"

namespace volemo {
namespace {

using test::Note;
using test::ReadWav;
using test::Smf;

// The file at midPath rendered as the render command renders it, with every
// core, on one renderer kept from call to call.
void RenderMidiToWav(const std::string& midPath, const std::string& wavPath) {
  static SynthRenderer renderer(static_cast<int>(std::thread::hardware_concurrency()), false);
  renderer.Render(ReadMidiFile(midPath), midPath, wavPath);
}

class Render : public testing::Test {
 protected:
  std::string dir_ = test::TestDir();

  test::Wav RenderMml(const std::string& mml) {
    EXPECT_TRUE(CompileMmlToMidi(mml, dir_ + "in.mid")) << LastCompileMessage();
    RenderMidiToWav(dir_ + "in.mid", dir_ + "out.wav");
    return ReadWav(dir_ + "out.wav");
  }

  test::Wav RenderBytes(const std::string& midi) {
    test::WriteFile(dir_ + "in.mid", midi);
    RenderMidiToWav(dir_ + "in.mid", dir_ + "out.wav");
    return ReadWav(dir_ + "out.wav");
  }
};

TEST_F(Render, WritesCdQualityStereoPcm) {
  const test::Wav wav = RenderBytes(Smf({{60, 0, 240}}));
  EXPECT_EQ(wav.format, 1);
  EXPECT_EQ(wav.channels, 2);
  EXPECT_EQ(wav.rate, 44100);
  EXPECT_EQ(wav.bits, 16);
  for (const auto& entry : std::filesystem::directory_iterator(dir_))
    EXPECT_FALSE(entry.path().string().ends_with(".part")) << entry.path();
}

TEST_F(Render, FlacHoldsTheSamplesOfTheWavAndRepeatableRendersDoNotDependOnTheLast) {
  SynthRenderer renderer(1, true);
  const MidiFile chord = ParseMidiFile(Smf({{60, 0, 480}, {64, 0, 480}, {67, 240, 960}}, 120, 48));
  renderer.Render(chord, "chord", dir_ + "first.wav");
  renderer.Render(ParseMidiFile(Smf({{40, 0, 1920}}, 90, 19)), "organ", dir_ + "other.wav");
  renderer.Render(chord, "chord", dir_ + "again.flac");
  const test::Wav wav = ReadWav(dir_ + "first.wav");
  SF_INFO info{};
  SNDFILE* flac = sf_open((dir_ + "again.flac").c_str(), SFM_READ, &info);
  ASSERT_NE(flac, nullptr) << sf_strerror(nullptr);
  EXPECT_EQ(info.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
  std::vector<int16_t> samples(static_cast<size_t>(info.frames) * info.channels);
  EXPECT_EQ(sf_readf_short(flac, samples.data(), info.frames), info.frames);
  sf_close(flac);
  EXPECT_GT(wav.Seconds(), 1.5);
  EXPECT_TRUE(samples == wav.samples) << samples.size() << " samples, not " << wav.samples.size();
}

TEST_F(Render, A4QuarterAt120IsA440HzToneOfHalfASecond) {
  // A drawbar organ holds its level to the note-off and stops soon after,
  // so the length of the tone shows in the sound itself.
  const test::Wav wav = RenderBytes(Smf({{69, 0, 480}}, 120, 16));
  const std::vector<double> held = test::Mono(wav.samples, wav.rate, 0.1, 0.4);
  EXPECT_NEAR(test::StrongestFrequency(held, wav.rate, 300, 600), 440.0, 2.0);
  const double level = test::Rms(held);
  EXPECT_GT(test::Dbfs(level), -30);
  const double fall = test::LevelFallsBelow(wav.samples, wav.rate, 0.1, level / 10);
  EXPECT_GT(fall, 0.48);
  EXPECT_LT(fall, 0.70);
  // The file ends with the sound, not seconds later.
  EXPECT_GE(wav.Seconds(), 0.5);
  EXPECT_LT(wav.Seconds(), 1.5);
}

TEST_F(Render, MmlA4AtTempo120IsA440HzTone) {
  const test::Wav wav = RenderMml("t120 o5a");  // the default piano, a quarter
  EXPECT_NEAR(test::StrongestFrequency(test::Mono(wav.samples, wav.rate, 0.05, 0.35), wav.rate, 300, 600), 440.0,
              2.0);
  EXPECT_GT(test::Dbfs(test::PeakOf(wav.samples)), -20);
  EXPECT_GE(wav.Seconds(), 0.5);
  EXPECT_LT(wav.Seconds(), 0.5 + 2.0);  // the piano's release and the reverb, no more
}

TEST_F(Render, GeneratedPhraseIsAudibleAndAsLongAsItsTicks) {
  EngineState state;
  MemorySettings settings(state);
  state.random.Seed(20240607);
  state.scaleNames = {"Major"};
  state.scaleDefinitions = {"A06085090604"};
  settings.SetIndex("cmbScale", 0);
  ApplyScale(settings, state);
  ComposePhrase(settings, state);
  const test::Wav wav = RenderMml(settings.MmlText());
  const double seconds = ReadMidiFile(dir_ + "in.mid").seconds;
  ASSERT_GT(seconds, 1.0);
  EXPECT_GE(wav.Seconds(), seconds);
  EXPECT_LT(wav.Seconds(), seconds + 2.0);
  EXPECT_GT(test::Dbfs(test::Rms(test::Mono(wav.samples, wav.rate, 0, seconds))), -40);
  EXPECT_GT(test::Dbfs(test::PeakOf(wav.samples)), -12);
  EXPECT_LT(test::Dbfs(test::PeakOf(wav.samples)), -1);
}

TEST_F(Render, RestIsDigitalSilenceOfItsExactLength) {
  const test::Wav wav = RenderBytes(Smf({}, 120, 0, 960));  // a half note's rest at 120
  EXPECT_EQ(wav.Frames(), 44100u);
  EXPECT_EQ(test::PeakOf(wav.samples), 0.0);
}

TEST_F(Render, PhraseAtVelocity120IsLoudWithoutClipping) {
  // Sixteen sixteenths at 120 with a two-note chord on every beat: 2 s.
  std::vector<Note> notes;
  for (int step = 0; step < 16; ++step) {
    notes.push_back({60 + step % 8, step * 120, 120});
    if (step % 4 == 0) notes.push_back({64 + step % 8, step * 120, 120});
  }
  const test::Wav piano = RenderBytes(Smf(notes));
  EXPECT_GT(test::Dbfs(test::PeakOf(piano.samples)), -12);
  EXPECT_LT(test::Dbfs(test::PeakOf(piano.samples)), -3);  // not even near the soft knee
  EXPECT_GE(piano.Seconds(), 2.0);
  EXPECT_LT(piano.Seconds(), 2.0 + 2.0);  // the release and reverb tail only

  // The loudest voices bend below full scale instead of clipping.
  const test::Wav lead = RenderBytes(Smf(notes, 120, 80));
  EXPECT_LT(test::PeakOf(lead.samples), 1.0);
  EXPECT_GT(test::Dbfs(test::PeakOf(lead.samples)), -3);
}

TEST_F(Render, VoiceLetGoAndReadAgainSoundsAsBefore) {
  // G4 on the violin, then on the flute, which takes the violin's place in
  // memory, then on the violin again, read anew. (Renders differ in detail:
  // the chorus runs on from one to the next.)
  const std::string violin = Smf({{67, 0, 480}}, 120, 40);
  const test::Wav first = RenderBytes(violin);
  RenderBytes(Smf({{67, 0, 480}}, 120, 73));
  const test::Wav again = RenderBytes(violin);
  const std::vector<double> held = test::Mono(first.samples, first.rate, 0.1, 0.4);
  const std::vector<double> heldAgain = test::Mono(again.samples, again.rate, 0.1, 0.4);
  EXPECT_GT(test::Dbfs(test::Rms(held)), -30);
  EXPECT_NEAR(test::Dbfs(test::Rms(heldAgain)), test::Dbfs(test::Rms(held)), 0.5);
  EXPECT_NEAR(test::StrongestFrequency(heldAgain, again.rate, 300, 500), 392.0, 2.0);
}

TEST_F(Render, NoteTheFileNeverEndsIsReleasedAtTheEnd) {
  const std::string track = test::Vlq(0) + "\xC0\x10" + test::Vlq(0) + "\x90\x3C\x64" + test::Vlq(960) +
                            test::kEndOfTrack;
  const test::Wav wav = RenderBytes(test::Header(0, 1, 480) + test::Chunk("MTrk", track));
  EXPECT_GE(wav.Seconds(), 1.0);
  EXPECT_LT(wav.Seconds(), 2.0);
}

TEST_F(Render, FailureLeavesTheEarlierFileAsItWas) {
  test::WriteFile(dir_ + "out.wav", "earlier");
  test::WriteFile(dir_ + "in.mid", "not a MIDI file");
  EXPECT_THROW(RenderMidiToWav(dir_ + "in.mid", dir_ + "out.wav"), PlayerError);
  EXPECT_EQ(test::ReadFile(dir_ + "out.wav"), "earlier");

  // Longer than a WAV file can hold: the longest delta time at 1 BPM.
  test::WriteFile(dir_ + "in.mid", Smf({{60, 0x0FFFFFF0, 1}}, 1));
  EXPECT_THROW(RenderMidiToWav(dir_ + "in.mid", dir_ + "out.wav"), PlayerError);
  EXPECT_EQ(test::ReadFile(dir_ + "out.wav"), "earlier");

  test::WriteFile(dir_ + "in.mid", Smf({{60, 0, 240}}));
  const std::string unwritable = dir_ + "no such folder/out.wav";
  try {
    RenderMidiToWav(dir_ + "in.mid", unwritable);
    FAIL() << "no error";
  } catch (const PlayerError& e) {
    EXPECT_NE(std::string(e.what()).find("\"" + unwritable + "\" を作成できません"), std::string::npos);
  }
}

}  // namespace
}  // namespace volemo
