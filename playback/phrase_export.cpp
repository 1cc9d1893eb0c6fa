#include "phrase_export.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

#include "file_contents.h"
#include "sound_format.h"
#include "sound_render.h"

namespace volemo {
namespace {

std::string Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

void WriteWhole(const std::string& bytes, const std::string& path) {
  if (const int error = ReplaceFileContents(path, bytes); error != 0)
    throw MakePlayerError("ファイル \"" + path + "\" を作成できません。", std::strerror(error));
}

}  // namespace

MidiFile CompilePhrase(const std::string& mml) { return ParseMidiFile(CompileMml(mml)); }

bool CanExportTo(const std::string& path) {
  const std::string ext = Extension(path);
  return ext == ".mid" || ext == ".mml" || SoundFormatOf(path) != SoundFormat::None;
}

void ExportPhrase(const std::string& mml, const std::string& path, const std::function<bool(double)>& stop) {
  const std::string ext = Extension(path);
  if (ext == ".mml") return WriteWhole(mml, path);
  if (ext != ".mid" && SoundFormatOf(path) == SoundFormat::None)
    throw MakePlayerError("\"" + path + "\": .mid, .mml, .wav, .flac か .ogg のファイル名にしてください。");
  const MidiFile midi = CompilePhrase(mml);
  if (ext == ".mid") return WriteWhole(midi.bytes, path);
  const double seconds = std::max(midi.seconds, 0.001);
  std::function<bool(double)> asked;
  if (stop) asked = [&](double rendered) { return stop(std::min(rendered / seconds, 1.0)); };
  RenderSound(midi, path, path, asked);
}

}  // namespace volemo
