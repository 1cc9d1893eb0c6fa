#include "synth_render.h"

#include <fluidsynth.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "file_contents.h"
#include "fluid_log.h"
#include "midi_file.h"
#include "note_release.h"
#include "output_level.h"
#include "resident_voices.h"
#include "shared_synth.h"
#include "sound_format.h"
#include "soundfont.h"
#include "message_text.h"
#include "translatable.h"

namespace volemo {
namespace {

// Long blocks let FluidSynth spread the voices over its worker threads with
// little waiting; the end of the sound is still found to the frame.
// FluidSynth places a few events a block apart with another length, so a
// change of length changes a few samples by a few steps.
constexpr int kBlockFrames = 16384;
constexpr float kSilence = 0.001f;          // -60 dBFS
constexpr double kLongestTailSeconds = 30;  // for voices that never die away

}  // namespace

// FluidSynth shares the samples that another synthesizer holds, but still
// spends tens of milliseconds reading the SoundFont's instruments: so a
// renderer keeps its synthesizer.
class OfflineSynth {
 public:
  // drums: whether channel 10 plays the drums. Without, it is a melodic
  // channel like the others, and the drum kit's samples are never read.
  OfflineSynth(int threads, bool drums) : settings_(NewSynthSettings()) {
    fluid_settings_setint(settings_.get(), "synth.threadsafe-api", 0);  // one caller at a time
    fluid_settings_setint(settings_.get(), "synth.cpu-cores", std::clamp(threads, 1, 8));
    fluid_settings_setint(settings_.get(), "audio.realtime-prio", 0);  // its workers are no audio threads
    const uint64_t mark = FluidLogMark();
    synth_.reset(NewSynth(settings_.get()));
    if (!synth_) throw MakePlayerError("シンセサイザーを作成できません。", FluidErrorsSince(mark));
    soundFont_ = LoadSoundFont(synth_.get(), SoundFontCandidates(), false);
    if (!drums) fluid_synth_set_channel_type(synth_.get(), kDrumChannel, CHANNEL_TYPE_MELODIC);
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

namespace {

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

// The sound file being made, put in place over the target only when
// complete (see PendingFile: renders of two processes to one file never
// share it). Every failure throws at once with the reason. Frames come in
// whole blocks, but only those up to the end of the sound stay: the frames
// after the last loud one are held back until a louder one follows or the
// length is known.
class SoundFile {
 public:
  explicit SoundFile(const std::string& target) : target_(target), format_(FormatOf(target)), pending_(target) {
    if (pending_.fd() < 0) Fail(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" を作成できません。"), std::strerror(pending_.error()));
    SF_INFO info{};
    info.samplerate = static_cast<int>(kSampleRate);
    info.channels = 2;
    info.format = format_ == SoundFormat::Flac        ? SF_FORMAT_FLAC | SF_FORMAT_PCM_16
                  : format_ == SoundFormat::OggVorbis ? SF_FORMAT_OGG | SF_FORMAT_VORBIS
                                                      : SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    file_ = sf_open_fd(pending_.fd(), SFM_WRITE, &info, SF_FALSE);
    if (!file_) Fail(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" を作成できません。"), sf_strerror(nullptr));
  }
  ~SoundFile() {
    if (file_) sf_close(file_);
  }
  SoundFile(const SoundFile&) = delete;
  SoundFile& operator=(const SoundFile&) = delete;

  // Adds frames (interleaved pairs) of which the first keep are sure to
  // stay, whatever follows.
  void Add(const std::vector<int16_t>& frames, int64_t keep) {
    if (held_.empty()) {
      // Most blocks: written straight from frames, without a copy.
      const int64_t now = std::clamp<int64_t>(keep - written_, 0, static_cast<int64_t>(frames.size() / 2));
      PutFrames(frames.data(), now);
      held_.assign(frames.begin() + now * 2, frames.end());
      return;
    }
    held_.insert(held_.end(), frames.begin(), frames.end());
    Put(keep - written_);
  }

  // Ends the file at length frames (at most those added) and puts it in place.
  void Finish(int64_t length) {
    Put(length - written_);
    errno = 0;
    if (sf_close(file_) != 0) {
      file_ = nullptr;
      Fail(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" を書き込めません。"), SoundFileError());
    }
    file_ = nullptr;
    if (const int error = pending_.PutInPlace(); error != 0) Fail(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" を作成できません。"), std::strerror(error));
  }

 private:
  void Put(int64_t frames) {
    frames = std::min<int64_t>(frames, static_cast<int64_t>(held_.size() / 2));
    if (frames <= 0) return;
    PutFrames(held_.data(), frames);
    held_.erase(held_.begin(), held_.begin() + frames * 2);
  }

  void PutFrames(const int16_t* data, int64_t frames) {
    if (frames <= 0) return;
    errno = 0;
    if (sf_writef_short(file_, data, frames) != frames) Fail(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" を書き込めません。"), SoundFileError());
    written_ += frames;
  }

  // The system's own reason where a write failed (libsndfile words it as
  // its own), else libsndfile's.
  std::string SoundFileError() const {
    if (errno != 0) return std::strerror(errno);
    return sf_strerror(file_);
  }

  [[noreturn]] void Fail(std::string_view what, const std::string& why) const {
    throw MakePlayerError(FormatMessage(what, {target_}), why);
  }

  // Before anything is created: a name of another kind is refused.
  static SoundFormat FormatOf(const std::string& target) {
    const SoundFormat format = SoundFormatOf(target);
    if (format == SoundFormat::None)
      throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "\"%1\": .wav, .flac か .ogg のファイル名にしてください。"), {target}));
    return format;
  }

  const std::string target_;
  const SoundFormat format_;
  PendingFile pending_;
  SNDFILE* file_ = nullptr;
  std::vector<int16_t> held_;
  int64_t written_ = 0;
};

}  // namespace

SynthRenderer::SynthRenderer(int threads, bool repeatable) : threads_(repeatable ? 1 : threads), repeatable_(repeatable) {}
SynthRenderer::~SynthRenderer() = default;

void SynthRenderer::Render(const MidiFile& midi, const std::string& name, const std::string& outPath,
                      const RenderStop& stop) {
  // The sizes in a WAV header are 32-bit: about 6.7 hours at this rate.
  // FLAC and Ogg Vorbis count their frames in 64 bits.
  constexpr double kLongestSeconds = (UINT32_MAX - 36) / 4 / kSampleRate - kLongestTailSeconds;
  if (SoundFormatOf(outPath) == SoundFormat::Wav && midi.seconds > kLongestSeconds)
    throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ファイル \"%1\" は長すぎて WAV ファイルに収まりません。"), {name}));
  if (offline_ && Replaced(offline_->soundFont())) offline_.reset();
  // Made while the old one still holds the SoundFont's samples, which the
  // new one then shares instead of reading them again.
  const bool fresh = !offline_ || repeatable_;
  if (fresh) offline_ = std::make_unique<OfflineSynth>(threads_, midi.drumNotes);
  fluid_synth_t* synth = offline_->synth();
  // The reset before playing makes channel 10 the drums' again: the voices
  // are chosen as it will play them.
  if (!fresh) fluid_synth_set_channel_type(synth, kDrumChannel, CHANNEL_TYPE_DRUM);
  // As the live player does: a voice read once stays read for the next
  // render of the same phrase.
  offline_->voices().HoldVoicesOf(midi);
  std::vector<float> left(kBlockFrames), right(kBlockFrames);
  // A new synthesizer is as a reset leaves it but for the voices just
  // chosen; its reset would make channel 10 the drums' again.
  if (fresh) offline_->voices().SelectResetVoices();
  else fluid_synth_system_reset(synth);
  DrainReverb(synth, left, right);

  const uint64_t mark = FluidLogMark();
  std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth));
  if (!player || fluid_player_add_mem(player.get(), midi.bytes.data(), midi.bytes.size()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK)
    throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ファイル \"%1\" を演奏できません。"), {name}), FluidErrorsSince(mark));
  const ReleaseAtEnd releaseAtEnd(player.get(), synth, midi.lastTick);

  SoundFile out(outPath);
  const int64_t musicEnd = static_cast<int64_t>(std::ceil(midi.seconds * kSampleRate));
  const int64_t lastFrame = musicEnd + static_cast<int64_t>(kLongestTailSeconds * kSampleRate);
  std::vector<int16_t> pcm(2 * kBlockFrames);
  int64_t frames = 0;
  int64_t soundEnd = 0;  // one past the last frame above the silence level
  for (;;) {
    fluid_synth_write_float(synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
    // The block's last loud frame, found from its end.
    for (int i = kBlockFrames; i-- > 0;) {
      if (std::max(std::fabs(left[i]), std::fabs(right[i])) >= kSilence) {
        soundEnd = frames + i + 1;
        break;
      }
    }
    for (int i = 0; i < kBlockFrames; ++i) {
      pcm[2 * i] = ToPcm(left[i]);
      pcm[2 * i + 1] = ToPcm(right[i]);
    }
    frames += kBlockFrames;
    out.Add(pcm, std::max(musicEnd, soundEnd));
    if (stop && stop(static_cast<double>(frames) / kSampleRate)) throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" の作成を中断しました。"), {outPath}));
    // FluidSynth's player stops at once on a file it cannot read; it keeps
    // "playing" two seconds past the end of one it can.
    if (fluid_player_get_status(player.get()) == FLUID_PLAYER_DONE &&
        fluid_player_get_current_tick(player.get()) < midi.lastTick)
      throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ファイル \"%1\" を演奏できません。"), {name}), FluidErrorsSince(mark));
    const bool musicOver = frames >= musicEnd && fluid_player_get_current_tick(player.get()) >= midi.lastTick;
    const bool quiet = fluid_synth_get_active_voice_count(synth) == 0 && soundEnd <= frames - kBlockFrames;
    if ((musicOver && quiet) || frames >= lastFrame) break;
  }
  out.Finish(std::max(musicEnd, soundEnd));
}

}  // namespace volemo
