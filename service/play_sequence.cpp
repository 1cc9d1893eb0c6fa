#include "play_sequence.h"

#include <unistd.h>

#include <filesystem>

#include "cp932.h"
#include "file_contents.h"
#include "midi_file.h"
#include "program_dir.h"
#include "use_vorlin_dll.h"
#include "user_dirs.h"
#include "translatable.h"

namespace volemo {

std::string TempMidPathIn(const std::string& programDir) {
  if (access(programDir.c_str(), W_OK) == 0) return programDir + "temp.mid";
  const std::filesystem::path dir = XdgBaseDir("XDG_CACHE_HOME", ".cache") / "volemo";
  std::error_code ec;  // a folder that cannot be made shows as the compiler's failure to write
  std::filesystem::create_directories(dir, ec);
  return (dir / "temp.mid").string();
}

std::string TempMidPath() { return TempMidPathIn(ProgramDir()); }

namespace {

// The window's, set from its one thread.
std::vector<std::string>& SilentParts() {
  static std::vector<std::string> names;
  return names;
}

// The player PlayMml last opened, and its count of opens then.
struct MmlPlay {
  const SoundPlayer* player = nullptr;
  int opens = 0;
};
MmlPlay& LastMmlPlay() {
  static MmlPlay play;
  return play;
}

}  // namespace

bool PlaysMml(const SoundPlayer& player) {
  return player.IsPlaying() && LastMmlPlay().player == &player && LastMmlPlay().opens == player.Opens();
}

void SetSilentParts(std::vector<std::string> names) { SilentParts() = std::move(names); }

void PlayMml(Settings& settings, SoundPlayer& player, const std::string& mml, int fromTick) {
  player.Close();
  std::string midi;
  if (!CompileMmlToBytes(mml, midi)) {
    settings.SetStatus(LastCompileMessage());
    return;
  }
  if (!SilentParts().empty()) midi = WithoutTracks(midi, SilentParts());
  try {
    WriteWholeFile(TempMidPath(), midi);
  } catch (const FileError& e) {
    settings.SetStatus(Cp932FromUtf8Lossy(e.what()));
    return;
  }
  player.Open(ParseMidiFile(std::move(midi)));
  LastMmlPlay() = {&player, player.Opens()};
  player.Play(fromTick);
  settings.SetStatus(Cp932FromUtf8(QT_TRANSLATE_NOOP("Message", "演奏を開始しました。")));
}

void StopPlayback(SoundPlayer& player) {
  if (!player.IsPlaying()) return;
  player.Stop();
  player.Close();
}

}  // namespace volemo
