#include "audio_output.h"

#include <cstdlib>
#include <vector>

#include "fluid_log.h"
#include "output_level.h"
#include "player_error.h"

namespace volemo {
namespace {

constexpr const char* kCannotOpen =
    "音声出力を開けません（サウンドデバイスやサウンドサーバーが見つからないか、使用できません）。";

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
    const uint64_t mark = FluidLogMark();
    if (Start(driver)) return;
    std::string why = FluidErrorsSince(mark);
    if (const std::string alsa = AlsaErrorSince(mark); !alsa.empty()) why += " (ALSA: " + alsa + ")";
    failures += (failures.empty() ? "" : " / ") + driver + ": " + why;
  }
  throw MakePlayerError(kCannotOpen, failures);
}

AudioOutput::~AudioOutput() {
  if (driver_) delete_fluid_audio_driver(driver_);
}

bool AudioOutput::Start(const std::string& driver) {
  fluid_settings_setstr(settings_, "audio.driver", driver.c_str());
  // At most about 20 ms between a note in the file and the loudspeaker.
  // PulseAudio buffers one period (11.6 ms here); ALSA buffers all of them
  // (3 x 5.8 ms).
  fluid_settings_setint(settings_, "audio.period-size", driver == "pulseaudio" ? 512 : 256);
  fluid_settings_setint(settings_, "audio.periods", 3);
  driverName_ = driver;
  if (driver == "file") {
    // A sink for machines without sound: raw 16-bit stereo, by default
    // thrown away.
    const std::string file = Env("VOLEMO_AUDIO_FILE");
    fluid_settings_setstr(settings_, "audio.file.name", file.empty() ? "/dev/null" : file.c_str());
    fluid_settings_setstr(settings_, "audio.file.type", "raw");
    fluid_settings_setstr(settings_, "audio.file.format", "s16");
    driver_ = new_fluid_audio_driver(settings_, synth_);
  } else {
    driver_ = new_fluid_audio_driver2(settings_, Render, this);
  }
  return driver_ != nullptr;
}

int AudioOutput::Render(void* data, int len, int, float*[], int nout, float* out[]) {
  auto* self = static_cast<AudioOutput*>(data);
  if (nout < 2) return FLUID_FAILED;
  int result;
  {
    std::lock_guard lock(self->renderMutex_);
    result = fluid_synth_write_float(self->synth_, len, out[0], 0, 1, out[1], 0, 1);
  }
  for (int i = 0; i < len; ++i) {
    out[0][i] = SoftClip(out[0][i]);
    out[1][i] = SoftClip(out[1][i]);
  }
  return result;
}

void AudioOutput::Hold(const std::function<void()>& fn) {
  if (driverName_ != "file") {
    std::lock_guard lock(renderMutex_);
    fn();
    return;
  }
  // FluidSynth's file driver renders on its own timer and takes no callback
  // to lock out, so it is stopped and made again. Its file then holds the
  // sound since the last hold.
  if (driver_) delete_fluid_audio_driver(driver_);
  driver_ = nullptr;
  const auto restart = [this] {
    const uint64_t mark = FluidLogMark();
    if (!Start(driverName_)) throw MakePlayerError(kCannotOpen, "file: " + FluidErrorsSince(mark));
  };
  try {
    fn();
  } catch (...) {
    restart();
    throw;
  }
  restart();
}

}  // namespace volemo
