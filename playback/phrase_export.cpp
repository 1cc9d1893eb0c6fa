#include "phrase_export.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cp932.h"
#include "file_contents.h"
#include "midi_file.h"
#include "sound_format.h"
#include "sound_render.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

std::string Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

void Compile(const std::string& mml, const std::string& midPath) {
  if (!CompileMmlToMidi(mml, midPath)) throw PlayerError(LastCompileMessage());
}

void WriteText(const std::string& text, const std::string& path) {
  if (const int error = ReplaceFileContents(path, text); error != 0)
    throw MakePlayerError("ファイル \"" + path + "\" を作成できません。", std::strerror(error));
}

}  // namespace

bool CanExportTo(const std::string& path) {
  const std::string ext = Extension(path);
  return ext == ".mid" || ext == ".mml" || SoundFormatOf(path) != SoundFormat::None;
}

void ExportPhrase(const std::string& mml, const std::string& path, const std::function<bool(double)>& stop) {
  const std::string ext = Extension(path);
  if (ext == ".mml") return WriteText(mml, path);
  if (ext == ".mid") return Compile(mml, path);
  if (SoundFormatOf(path) == SoundFormat::None)
    throw MakePlayerError("\"" + path + "\": .mid, .mml, .wav, .flac か .ogg のファイル名にしてください。");
  std::string midi = (std::filesystem::temp_directory_path() / "volemo-export-XXXXXX.mid").string();
  const int fd = mkstemps(midi.data(), 4);
  if (fd < 0) throw MakePlayerError("一時ファイルを作成できません。", std::strerror(errno));
  close(fd);
  struct Remove {
    std::string path;
    ~Remove() {
      std::error_code ec;
      std::filesystem::remove(path, ec);
    }
  } scratch{midi};
  Compile(mml, midi);
  const double seconds = std::max(ReadMidiFile(midi).seconds, 0.001);
  std::function<bool(double)> asked;
  if (stop) asked = [&](double rendered) { return stop(std::min(rendered / seconds, 1.0)); };
  RenderSound(midi, path, asked);
}

}  // namespace volemo
