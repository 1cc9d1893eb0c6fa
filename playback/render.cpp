#include "render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "fluid_log.h"
#include "midi_file.h"
#include "note_release.h"
#include "output_level.h"
#include "resident_voices.h"
#include "shared_synth.h"
#include "soundfont.h"

namespace volemo {
namespace {

// Long blocks let FluidSynth spread the voices over its worker threads with
// little waiting; the end of the sound is still found to the frame.
constexpr int kBlockFrames = 4096;
constexpr float kSilence = 0.001f;          // -60 dBFS
constexpr double kLongestTailSeconds = 30;  // for voices that never die away

// A synthesizer of its own, so rendering never disturbs what plays live. It
// is kept from one render to the next until the SoundFont file is replaced:
// FluidSynth shares the samples that another synthesizer holds, but still
// spends tens of milliseconds reading the SoundFont's instruments.
class OfflineSynth {
 public:
  OfflineSynth() : settings_(NewSynthSettings()) {
    fluid_settings_setint(settings_.get(), "synth.threadsafe-api", 0);  // one caller, under renderMutex
    fluid_settings_setint(settings_.get(), "synth.cpu-cores",
                          static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)));
    fluid_settings_setint(settings_.get(), "audio.realtime-prio", 0);  // its workers are no audio threads
    const uint64_t mark = FluidLogMark();
    synth_.reset(new_fluid_synth(settings_.get()));
    if (!synth_) throw MakePlayerError("シンセサイザーを作成できません。", FluidErrorsSince(mark));
    soundFont_ = LoadSoundFont(synth_.get(), SoundFontCandidates());
    voices_ = std::make_unique<ResidentVoices>(synth_.get());
  }

  fluid_synth_t* synth() const { return synth_.get(); }
  ResidentVoices& voices() { return *voices_; }
  const LoadedSoundFont& soundFont() const { return soundFont_; }

 private:
  struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
  };
  struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
  };
  std::unique_ptr<fluid_settings_t, SettingsDeleter> settings_;
  std::unique_ptr<fluid_synth_t, SynthDeleter> synth_;  // goes before its settings
  LoadedSoundFont soundFont_;
  std::unique_ptr<ResidentVoices> voices_;  // goes before its synthesizer
};

std::mutex renderMutex;
std::unique_ptr<OfflineSynth> offline;

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

std::string WavHeader(uint32_t frames) {
  constexpr uint32_t kRate = static_cast<uint32_t>(kSampleRate);
  constexpr uint32_t kFrameBytes = 4;  // two channels of 16 bits
  const uint32_t dataBytes = frames * kFrameBytes;
  std::string h = "RIFF";
  PutLittleEndian(h, 36 + dataBytes, 4);
  h += "WAVEfmt ";
  PutLittleEndian(h, 16, 4);  // size of the format chunk
  PutLittleEndian(h, 1, 2);   // PCM
  PutLittleEndian(h, 2, 2);   // channels
  PutLittleEndian(h, kRate, 4);
  PutLittleEndian(h, kRate * kFrameBytes, 4);
  PutLittleEndian(h, kFrameBytes, 2);
  PutLittleEndian(h, 16, 2);  // bits per sample
  h += "data";
  PutLittleEndian(h, dataBytes, 4);
  return h;
}

// Nothing of the last render may carry over into the next. FluidSynth's
// reset silences the reverb only for a moment: what its delay lines held
// comes back some 50 ms later. So the synthesizer runs, unheard, until it
// has stayed below half a 16-bit step for longer than that.
void DrainReverb(fluid_synth_t* synth, std::vector<float>& left, std::vector<float>& right) {
  constexpr int kFrames = 512;
  constexpr float kHalfStep = 0.5f / 32768;
  constexpr int kQuietSteps = 16;  // 186 ms
  constexpr int kMostSteps = static_cast<int>(5 * kSampleRate / kFrames);
  for (int step = 0, quiet = 0; step < kMostSteps && quiet < kQuietSteps; ++step) {
    fluid_synth_write_float(synth, kFrames, left.data(), 0, 1, right.data(), 0, 1);
    float peak = 0;
    for (int i = 0; i < kFrames; ++i) peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    quiet = peak < kHalfStep ? quiet + 1 : 0;
  }
}

int16_t ToPcm(float sample) { return static_cast<int16_t>(std::lrint(SoftClip(sample) * 32767.0f)); }

struct PlayerDeleter {
  void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};

// Removes the half-written file unless the render got through.
struct PartFile {
  std::filesystem::path path;
  bool done = false;
  ~PartFile() {
    std::error_code ec;
    if (!done) std::filesystem::remove(path, ec);
  }
};

}  // namespace

void RenderMidiToWav(const std::string& midPath, const std::string& wavPath) {
  const MidiFile midi = ReadMidiFile(midPath);
  // The sizes in a WAV header are 32-bit: about 6.7 hours at this rate.
  constexpr double kLongestSeconds = (UINT32_MAX - 36) / 4 / kSampleRate - kLongestTailSeconds;
  if (midi.seconds > kLongestSeconds)
    throw MakePlayerError("MIDI ファイル \"" + midPath + "\" は長すぎて WAV ファイルに収まりません。");
  std::lock_guard lock(renderMutex);
  if (offline && Replaced(offline->soundFont())) offline.reset();
  if (!offline) offline = std::make_unique<OfflineSynth>();
  fluid_synth_t* synth = offline->synth();
  // As the live player does: a voice read once stays read for the next
  // render of the same phrase.
  offline->voices().HoldVoicesOf(midi);
  std::vector<float> left(kBlockFrames), right(kBlockFrames);
  fluid_synth_system_reset(synth);
  DrainReverb(synth, left, right);

  const uint64_t mark = FluidLogMark();
  std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth));
  if (!player || fluid_player_add_mem(player.get(), midi.bytes.data(), midi.bytes.size()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK)
    throw MakePlayerError("MIDI ファイル \"" + midPath + "\" を演奏できません。", FluidErrorsSince(mark));
  const ReleaseAtEnd releaseAtEnd(player.get(), synth, midi.lastTick);

  PartFile part{wavPath + ".part"};
  std::ofstream out(part.path, std::ios::binary | std::ios::trunc);
  const auto cannotWrite = [&] {
    return MakePlayerError("ファイル \"" + wavPath + "\" を作成できません。", std::strerror(errno));
  };
  if (!out) throw cannotWrite();
  out << WavHeader(0);

  const int64_t musicEnd = static_cast<int64_t>(std::ceil(midi.seconds * kSampleRate));
  const int64_t lastFrame = musicEnd + static_cast<int64_t>(kLongestTailSeconds * kSampleRate);
  std::vector<int16_t> pcm(2 * kBlockFrames);
  int64_t frames = 0;
  int64_t soundEnd = 0;  // one past the last frame above the silence level
  for (;;) {
    fluid_synth_write_float(synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
    for (int i = 0; i < kBlockFrames; ++i) {
      if (std::max(std::fabs(left[i]), std::fabs(right[i])) >= kSilence) soundEnd = frames + i + 1;
      pcm[2 * i] = ToPcm(left[i]);
      pcm[2 * i + 1] = ToPcm(right[i]);
    }
    // Samples are little-endian on every machine this builds for.
    out.write(reinterpret_cast<const char*>(pcm.data()), static_cast<std::streamsize>(pcm.size() * 2));
    frames += kBlockFrames;
    // FluidSynth's player stops at once on a file it cannot read; it keeps
    // "playing" two seconds past the end of one it can.
    if (fluid_player_get_status(player.get()) == FLUID_PLAYER_DONE &&
        fluid_player_get_current_tick(player.get()) < midi.lastTick)
      throw MakePlayerError("MIDI ファイル \"" + midPath + "\" を演奏できません。", FluidErrorsSince(mark));
    const bool musicOver = frames >= musicEnd && fluid_player_get_current_tick(player.get()) >= midi.lastTick;
    const bool quiet = fluid_synth_get_active_voice_count(synth) == 0 && soundEnd <= frames - kBlockFrames;
    if ((musicOver && quiet) || frames >= lastFrame) break;
  }

  const int64_t length = std::max(musicEnd, soundEnd);
  out.seekp(0);
  out << WavHeader(static_cast<uint32_t>(length));
  out.close();
  if (!out) throw cannotWrite();
  std::error_code ec;
  std::filesystem::resize_file(part.path, 44 + static_cast<uintmax_t>(length) * 4, ec);
  if (!ec) std::filesystem::rename(part.path, wavPath, ec);
  if (ec) throw MakePlayerError("ファイル \"" + wavPath + "\" を作成できません。", ec.message());
  part.done = true;
}

}  // namespace volemo
