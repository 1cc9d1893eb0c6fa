#include "play_sequence.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "cp932.h"
#include "program_dir.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

std::filesystem::path CacheDir() {
  if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* pw = getpwuid(getuid());
    home = pw ? pw->pw_dir : "/tmp";
  }
  return std::filesystem::path(home) / ".cache";
}

}  // namespace

std::string TempMidPathIn(const std::string& programDir) {
  if (access(programDir.c_str(), W_OK) == 0) return programDir + "temp.mid";
  const std::filesystem::path dir = CacheDir() / "volemo";
  std::error_code ec;  // a folder that cannot be made shows as the compiler's failure to write
  std::filesystem::create_directories(dir, ec);
  return (dir / "temp.mid").string();
}

std::string TempMidPath() { return TempMidPathIn(ProgramDir()); }

void PlayMml(Settings& settings, SoundPlayer& player, const std::string& mml) {
  player.Close();
  const std::string path = TempMidPath();
  if (!CompileMmlToMidi(mml, path)) {
    settings.SetStatus(LastCompileMessage());
    return;
  }
  player.Open(path);
  player.Play();
  settings.SetStatus(Cp932FromUtf8("演奏を開始しました。"));
}

void StopPlayback(SoundPlayer& player) {
  if (!player.IsPlaying()) return;
  player.Stop();
  player.Close();
}

void ClosePlayer(SoundPlayer& player) { player.Close(); }

}  // namespace volemo
