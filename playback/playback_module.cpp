#include "playback_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <mutex>
#include <string>

#include "player_error.h"
#include "program_dir.h"
#include "translatable.h"

namespace volemo {
namespace {

constexpr char kModule[] = "libvolemo-playback.so";

std::mutex loadMutex;
const VolemoPlayback* table = nullptr;

// The module stays loaded for the life of the process: FluidSynth's
// threads may outlive any one caller.
const VolemoPlayback* Load() {
  // One beside the program is the one to use, even when it is broken: it
  // is reported rather than passed over for another.
  const std::string beside = ProgramDir() + kModule;
  void* module = dlopen(access(beside.c_str(), F_OK) == 0 ? beside.c_str() : kModule, RTLD_NOW | RTLD_LOCAL);
  if (!module) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "再生モジュールを読み込めません。"), dlerror());
  const auto entry = reinterpret_cast<const VolemoPlayback* (*)()>(dlsym(module, "volemo_playback"));
  const VolemoPlayback* loaded = entry ? entry() : nullptr;
  if (!loaded || loaded->version != VOLEMO_PLAYBACK_VERSION) {
    dlclose(module);
    throw MakePlayerError(std::string("再生モジュール ") + kModule + " の版がこのプログラムと合いません。");
  }
  return loaded;
}

}  // namespace

const VolemoPlayback& PlaybackModule() {
  std::lock_guard lock(loadMutex);
  if (!table) table = Load();
  return *table;
}

void ThrowIfFailed(const char* message) {
  if (message) throw PlayerError(message);
}

}  // namespace volemo
