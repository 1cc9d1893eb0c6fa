#include "render.h"

#include <fcntl.h>
#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
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

// The WAV file while it is written: a name of this process's own beside the
// target (so renders of two processes to one file never share it), renamed
// over the target when complete and removed otherwise. Every failure throws
// at once with the system's reason.
class PartFile {
 public:
  explicit PartFile(const std::string& target) : target_(target) {
    const std::string folder = target.substr(0, target.rfind('/') + 1);  // "" when target has no '/'
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
      path_ = folder + ".volemo-" + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".wav.part";
      fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && (errno != EEXIST || attempt == 99)) Fail("を作成できません。", errno);
    }
  }
  ~PartFile() {
    if (fd_ >= 0) close(fd_);
    if (!done_) unlink(path_.c_str());
  }
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  void Write(const void* data, size_t size) {
    for (size_t done = 0; done < size;) {
      const ssize_t n = write(fd_, static_cast<const char*>(data) + done, size - done);
      if (n < 0 && errno != EINTR) Fail("を書き込めません。", errno);
      if (n > 0) done += static_cast<size_t>(n);
    }
  }

  // The header written again over the first one, the file cut to its length.
  void Finish(const std::string& header, uint64_t size) {
    if (pwrite(fd_, header.data(), header.size(), 0) != static_cast<ssize_t>(header.size()) ||
        ftruncate(fd_, static_cast<off_t>(size)) != 0)
      Fail("を書き込めません。", errno);
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0) Fail("を書き込めません。", errno);
    if (rename(path_.c_str(), target_.c_str()) != 0) Fail("を作成できません。", errno);
    done_ = true;
  }

 private:
  [[noreturn]] void Fail(std::string_view what, int error) const {
    throw MakePlayerError("ファイル \"" + target_ + "\" " + std::string(what), std::strerror(error));
  }

  std::string target_;
  std::string path_;
  int fd_ = -1;
  bool done_ = false;
};

}  // namespace

void RenderMidiToWav(const std::string& midPath, const std::string& wavPath, const std::function<bool()>& stop) {
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

  PartFile part(wavPath);
  part.Write(WavHeader(0).data(), 44);

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
    part.Write(pcm.data(), pcm.size() * 2);
    frames += kBlockFrames;
    if (stop && stop()) throw MakePlayerError("ファイル \"" + wavPath + "\" の作成を中断しました。");
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
  part.Finish(WavHeader(static_cast<uint32_t>(length)), 44 + static_cast<uint64_t>(length) * 4);
}

}  // namespace volemo
