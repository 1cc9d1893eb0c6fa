#include "soundfont.h"

#include <fluidsynth.h>
#include <sys/stat.h>

#include <filesystem>

#include "fluid_log.h"
#include "player_error.h"
#include "program_dir.h"

namespace volemo {

FileStamp StampOf(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return {};
  return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

bool Replaced(const LoadedSoundFont& soundFont) { return StampOf(soundFont.path) != soundFont.stamp; }

std::vector<std::string> SoundFontCandidates() {
  return {ProgramDir() + "soundfont.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"};
}

LoadedSoundFont LoadSoundFont(fluid_synth_t* synth, const std::vector<std::string>& candidates) {
  for (const std::string& path : candidates) {
    std::error_code ec;
    // is_regular_file follows links: a dangling default-GM.sf2 (no
    // alternative installed) is passed over like a missing file.
    if (!std::filesystem::is_regular_file(path, ec)) continue;
    // Stamped first: a file changed while it loads counts as replaced.
    const FileStamp stamp = StampOf(path);
    const uint64_t mark = FluidLogMark();
    const int id = fluid_synth_sfload(synth, path.c_str(), 1);
    if (id == FLUID_FAILED)
      throw MakePlayerError("SoundFont \"" + path + "\" を読み込めません。", FluidErrorsSince(mark));
    return {path, id, stamp};
  }
  std::string tried;
  for (const std::string& path : candidates) tried += (tried.empty() ? "" : ", ") + path;
  throw MakePlayerError("SoundFont が見つかりません。探した場所: " + tried);
}

}  // namespace volemo
