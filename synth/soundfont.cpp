#include "soundfont.h"

#include <fluidsynth.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "fluid_log.h"
#include "player_error.h"
#include "program_dir.h"
#include "message_text.h"
#include "translatable.h"

namespace volemo {

FileStamp StampOf(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return {};
  return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

namespace {

// Whether stat's error means nothing is there. Links are followed, so a
// dangling default-GM.sf2 (no alternative installed) counts as missing.
bool Missing(int error) { return error == ENOENT || error == ENOTDIR; }

}  // namespace

bool Replaced(const LoadedSoundFont& soundFont) {
  if (StampOf(soundFont.path) != soundFont.stamp) return true;
  struct stat st;
  for (const std::string& path : soundFont.passedOver)
    if (stat(path.c_str(), &st) == 0 || !Missing(errno)) return true;
  return false;
}

std::vector<std::string> SoundFontCandidates() {
  return {ProgramDir() + "soundfont.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"};
}

LoadedSoundFont LoadSoundFont(fluid_synth_t* synth, const std::vector<std::string>& candidates,
                              bool selectVoices) {
  std::vector<std::string> passedOver;
  for (const std::string& path : candidates) {
    const std::string cannotLoad = FormatMessage(QT_TRANSLATE_NOOP("Message", "SoundFont \"%1\" を読み込めません。"), {path});
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
      if (!Missing(errno)) throw MakePlayerError(cannotLoad, std::strerror(errno));
      passedOver.push_back(path);
      continue;
    }
    // Never opened otherwise: a FIFO would block the open for ever, and
    // /dev/zero never ends.
    if (!S_ISREG(st.st_mode)) throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "SoundFont \"%1\" を読み込めません（通常のファイルではありません）。"), {path}));
    // Stamped first: a file changed while it loads counts as replaced.
    const FileStamp stamp = StampOf(path);
    const uint64_t mark = FluidLogMark();
    const int id = fluid_synth_sfload(synth, path.c_str(), selectVoices ? 1 : 0);
    if (id == FLUID_FAILED) throw MakePlayerError(cannotLoad, FluidErrorsSince(mark));
    return {path, id, stamp, std::move(passedOver)};
  }
  std::string tried;
  for (const std::string& path : candidates) tried += (tried.empty() ? "" : ", ") + path;
  throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "SoundFont が見つかりません。探した場所: %1"), {tried}));
}

}  // namespace volemo
