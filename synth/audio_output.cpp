#include "audio_output.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "fluid_log.h"
#include "output_level.h"
#include "player_error.h"
#include "translatable.h"

namespace volemo {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

AudioOutput::AudioOutput(fluid_settings_t* settings, fluid_synth_t* synth)
    : settings_(settings), synth_(synth) {
  const std::string forced = Env("VOLEMO_AUDIO_DRIVER");
  const std::vector<std::string> drivers =
      forced.empty() ? std::vector<std::string>{"pulseaudio", "alsa"} : std::vector{forced};
  std::string failures;
  for (const std::string& driver : drivers) {
    const std::string why = Start(driver);
    if (why.empty()) return;
    failures += (failures.empty() ? "" : " / ") + driver + ": " + why;
  }
  throw MakePlayerError(
      QT_TRANSLATE_NOOP("Message", "音声出力を開けません（サウンドデバイスやサウンドサーバーが見つからないか、使用できません）。"), failures);
}

AudioOutput::~AudioOutput() {
  // Both render through this object until their threads have stopped.
  if (driver_) delete_fluid_audio_driver(driver_);
  fileOutput_.reset();
}

std::string AudioOutput::Start(const std::string& driver) {
  driverName_ = driver;
  if (driver == "file") {
    // Raw 16-bit stereo, by default thrown away.
    const std::string file = Env("VOLEMO_AUDIO_FILE");
    try {
      fileOutput_ = std::make_unique<FileOutput>(file.empty() ? "/dev/null" : file, Render, this);
    } catch (const std::system_error& e) {
      return e.what();
    }
    return {};
  }
  fluid_settings_setstr(settings_, "audio.driver", driver.c_str());
  // At most about 20 ms between a note in the file and the loudspeaker.
  // PulseAudio buffers one period (11.6 ms here); ALSA buffers all of them
  // (3 x 5.8 ms).
  fluid_settings_setint(settings_, "audio.period-size", driver == "pulseaudio" ? 512 : 256);
  fluid_settings_setint(settings_, "audio.periods", 3);
  driverMark_ = FluidLogMark();
  driver_ = new_fluid_audio_driver2(settings_, Render, this);
  if (driver_) return {};
  std::string why = FluidErrorsSince(driverMark_);
  if (const std::string alsa = AlsaErrorSince(driverMark_); !alsa.empty()) why += " (ALSA: " + alsa + ")";
  return why;
}

int AudioOutput::Render(void* data, int len, int, float*[], int nout, float* out[]) {
  auto* self = static_cast<AudioOutput*>(data);
  if (nout < 2) return FLUID_FAILED;
  self->soundThread_.store(std::this_thread::get_id(), std::memory_order_relaxed);
  const InsideRenderCallback inside;
  // The sound thread never waits for the window's thread, which holds the
  // lock while it loads a phrase and resets the synthesizer: a period that
  // falls into that time is silent.
  std::unique_lock lock(self->renderMutex_, std::try_to_lock);
  if (!lock.owns_lock()) {
    std::fill_n(out[0], len, 0.0f);
    std::fill_n(out[1], len, 0.0f);
    return FLUID_OK;
  }
  const int result = fluid_synth_write_float(self->synth_, len, out[0], 0, 1, out[1], 0, 1);
  lock.unlock();
  for (int i = 0; i < len; ++i) {
    out[0][i] = SoftClip(out[0][i]);
    out[1][i] = SoftClip(out[1][i]);
  }
  return result;
}

void AudioOutput::Hold(const std::function<void()>& fn, Sound sound) {
  std::lock_guard lock(renderMutex_);
  fn();
  if (!fileOutput_) return;
  if (sound == Sound::Starts) fileOutput_->Restart();
  else if (sound == Sound::Ends) fileOutput_->Pause();
}

std::string AudioOutput::Failure() const {
  if (!failure_.empty()) return failure_;
  std::string why;
  if (fileOutput_) {
    why = fileOutput_->Failure();
  } else if (const std::thread::id thread = soundThread_.load(std::memory_order_relaxed); thread != std::thread::id()) {
    // The drivers' threads end after reporting a failure of the device or
    // the sound server; the log keeps it only for a while.
    why = DriverErrorsSince(driverMark_, thread);
  }
  if (!why.empty()) failure_ = driverName_ + ": " + why;
  return failure_;
}

}  // namespace volemo
