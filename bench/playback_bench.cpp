// Playback speed: the SoundFont load, opening a phrase (with the reading of
// its voice), the way from PlayMml to the first sound, and offline rendering
// against real time.
#include <benchmark/benchmark.h>
#include <fluidsynth.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "composer.h"
#include "memory_settings.h"
#include "midi_file.h"
#include "play_sequence.h"
#include "synth_player.h"
#include "synth_render.h"
#include "resident_voices.h"
#include "scale_table.h"
#include "shared_synth.h"
#include "soundfont.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

using Clock = std::chrono::steady_clock;

// The benchmark's files, removed at the end. The live player writes to a
// file the benchmark watches; set before the first player starts the shared
// synthesizer.
struct BenchDir {
  std::string path;
  BenchDir() {
    std::string pattern = "/tmp/volemo-bench-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern + "/";
    setenv("VOLEMO_AUDIO_DRIVER", "file", 1);
    setenv("VOLEMO_AUDIO_FILE", (path + "sink.raw").c_str(), 1);
  }
  ~BenchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};
const BenchDir benchDir;
const std::string& kDir = benchDir.path;

// The default phrase of the window: tempo 110, 32 sixteenths, four times.
std::string DefaultPhrase() {
  EngineState state;
  MemorySettings settings(state);
  state.random.Seed(1);
  state.scaleNames = {"Major"};
  state.scaleDefinitions = {"A06085090604"};
  settings.SetIndex("cmbScale", 0);
  ApplyScale(settings, state);
  ComposePhrase(settings, state);
  return settings.MmlText();
}

// A fresh synthesizer loading the SoundFont; with another synthesizer
// holding it, FluidSynth shares the samples and reads only the instruments.
void LoadInFreshSynth() {
  fluid_settings_t* settings = NewSynthSettings();
  fluid_synth_t* synth = new_fluid_synth(settings);
  LoadSoundFont(synth, SoundFontCandidates());
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
}

void BM_SoundFontLoad(benchmark::State& state) {
  for (auto _ : state) LoadInFreshSynth();
}
BENCHMARK(BM_SoundFontLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SoundFontLoadWhileLiveSynthHoldsIt(benchmark::State& state) {
  const std::string mid = kDir + "note.mid";
  CompileMmlToMidi("o5c", mid);
  SynthPlayer player;
  player.Open(mid);  // waits for the shared synthesizer's SoundFont
  for (auto _ : state) LoadInFreshSynth();
}
BENCHMARK(BM_SoundFontLoadWhileLiveSynthHoldsIt)->Unit(benchmark::kMillisecond);

// One short phrase for every General MIDI program but the piano, which
// stays in memory anyway: program p on channel 1 in file p - 1.
const std::vector<std::string>& PhrasesOnEachVoice() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> made;
    for (int program = 1; program < 128; ++program) {
      made.push_back(kDir + "voice" + std::to_string(program) + ".mid");
      CompileMmlToMidi("t120 @" + std::to_string(program + 1) + " o5 l8 cdeg", made.back());
    }
    return made;
  }();
  return files;
}

// Opening a phrase whose voice the phrase before did not use: its samples
// are read from the SoundFont on the caller's thread.
void BM_OpenOnANewVoice(benchmark::State& state) {
  SynthPlayer player;
  size_t next = 0;
  for (auto _ : state) player.Open(PhrasesOnEachVoice()[next++ % PhrasesOnEachVoice().size()]);
}
BENCHMARK(BM_OpenOnANewVoice)->Unit(benchmark::kMillisecond);

// Opening a phrase again: its voice is still in memory.
void BM_OpenAgainOnTheSameVoice(benchmark::State& state) {
  SynthPlayer player;
  const std::string& violin = PhrasesOnEachVoice()[39];
  player.Open(violin);
  for (auto _ : state) player.Open(violin);
}
BENCHMARK(BM_OpenAgainOnTheSameVoice)->Unit(benchmark::kMicrosecond);

// The call itself: compile, write and read temp.mid, make and start the
// FluidSynth player. Only then can the audio thread pick the notes up.
void BM_PlayMmlCall(benchmark::State& state) {
  EngineState engine;
  MemorySettings settings(engine);
  SoundPlayer player;
  const std::string mml = DefaultPhrase();
  for (auto _ : state) PlayMml(settings, player, mml);
}
BENCHMARK(BM_PlayMmlCall)->Unit(benchmark::kMicrosecond);

bool SinkHasSound() {
  std::ifstream in(kDir + "sink.raw", std::ios::binary);
  std::istreambuf_iterator<char> it(in), end;
  for (; it != end; ++it)
    if (*it != 0) return true;
  return false;
}

// From PlayMml to the first sample above zero in the file sink's output,
// which every play empties (see AudioOutput::Hold).
void BM_PlayMmlToFirstSoundInFileSink(benchmark::State& state) {
  EngineState engine;
  MemorySettings settings(engine);
  SoundPlayer player;
  const std::string mml = "t120 o5 l8 c";
  PlayMml(settings, player, mml);  // SoundFont loaded, output open
  for (auto _ : state) {
    const auto start = Clock::now();
    PlayMml(settings, player, mml);
    while (!SinkHasSound()) std::this_thread::sleep_for(std::chrono::microseconds(50));
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    player.Close();
  }
}
BENCHMARK(BM_PlayMmlToFirstSoundInFileSink)->UseManualTime()->Unit(benchmark::kMillisecond);

// The sound thread's share: the first 256-frame period of a phrase, with
// its first notes starting, on a voice the phrase before did not use. With
// its voice held on opening (0), as the player does, or read when the
// program change in that period selects it (1), as FluidSynth alone would.
void BM_FirstPeriodOnANewVoice(benchmark::State& state) {
  const bool readInThePeriod = state.range(0) == 1;
  std::vector<MidiFile> phrases;
  for (const std::string& file : PhrasesOnEachVoice()) phrases.push_back(ReadMidiFile(file));
  fluid_settings_t* settings = NewSynthSettings();
  fluid_synth_t* synth = new_fluid_synth(settings);
  LoadSoundFont(synth, SoundFontCandidates());
  ResidentVoices voices(synth);
  std::vector<float> left(256), right(256);
  size_t next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const MidiFile& midi = phrases[next++ % phrases.size()];
    voices.HoldVoicesOf(readInThePeriod ? MidiFile{} : midi);
    fluid_synth_system_reset(synth);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add_mem(player, midi.bytes.data(), midi.bytes.size());
    fluid_player_play(player);
    state.ResumeTiming();
    fluid_synth_write_float(synth, 256, left.data(), 0, 1, right.data(), 0, 1);
    state.PauseTiming();
    delete_fluid_player(player);
    state.ResumeTiming();
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
}
BENCHMARK(BM_FirstPeriodOnANewVoice)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Offline rendering of the default phrase (17.5 s); realtime_x is seconds
// of sound per second of work.
void BM_RenderDefaultPhrase(benchmark::State& state) {
  const std::string mid = kDir + "phrase.mid";
  CompileMmlToMidi(DefaultPhrase(), mid);
  const MidiFile midi = ReadMidiFile(mid);
  SynthRenderer renderer(static_cast<int>(std::thread::hardware_concurrency()), false);
  renderer.Render(midi, mid, kDir + "phrase.wav");  // the SoundFont load, once
  for (auto _ : state) renderer.Render(midi, mid, kDir + "phrase.wav");
  state.counters["realtime_x"] = benchmark::Counter(midi.seconds * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderDefaultPhrase)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sixty seconds of piano of the comparison with other renderers
// (bench/data/piano60.mml), on one or two of FluidSynth's threads; as
// volemo-cli render does it, but without the process and the SoundFont
// load.
void BM_RenderPiano60s(benchmark::State& state) {
  std::string mml;
  std::ifstream in(VOLEMO_BENCH_DATA "/piano60.mml", std::ios::binary);
  mml.assign(std::istreambuf_iterator<char>(in), {});
  const std::string mid = kDir + "piano60.mid";
  if (!CompileMmlToMidi(mml, mid)) state.SkipWithError("piano60.mml does not compile");
  const MidiFile midi = ReadMidiFile(mid);
  SynthRenderer renderer(static_cast<int>(state.range(0)), false);
  renderer.Render(midi, mid, kDir + "piano60.wav");  // the SoundFont load, once
  for (auto _ : state) renderer.Render(midi, mid, kDir + "piano60.wav");
  state.counters["realtime_x"] = benchmark::Counter(midi.seconds * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderPiano60s)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace volemo
