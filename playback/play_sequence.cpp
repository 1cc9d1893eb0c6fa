#include "play_sequence.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "cp932.h"
#include "file_contents.h"
#include "program_dir.h"
#include "use_vorlin_dll.h"
#include "user_dirs.h"

namespace volemo {

std::string TempMidPathIn(const std::string& programDir) {
  if (access(programDir.c_str(), W_OK) == 0) return programDir + "temp.mid";
  const std::filesystem::path dir = XdgBaseDir("XDG_CACHE_HOME", ".cache") / "volemo";
  std::error_code ec;  // a folder that cannot be made shows as the compiler's failure to write
  std::filesystem::create_directories(dir, ec);
  return (dir / "temp.mid").string();
}

std::string TempMidPath() { return TempMidPathIn(ProgramDir()); }

void PlayMml(Settings& settings, SoundPlayer& player, const std::string& mml, int fromTick) {
  player.Close();
  std::string midi;
  if (!CompileMmlToBytes(mml, midi)) {
    settings.SetStatus(LastCompileMessage());
    return;
  }
  const std::string path = TempMidPath();
  if (const int error = ReplaceFileContents(path, midi); error != 0) {
    settings.SetStatus(Cp932FromUtf8Lossy("ファイル \"" + path + "\" を作成できません。 " + std::strerror(error)));
    return;
  }
  player.Open(ParseMidiFile(std::move(midi)));
  player.Play(fromTick);
  settings.SetStatus(Cp932FromUtf8("演奏を開始しました。"));
}

void StopPlayback(SoundPlayer& player) {
  if (!player.IsPlaying()) return;
  player.Stop();
  player.Close();
}

}  // namespace volemo
