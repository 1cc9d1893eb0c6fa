#include "sound_format.h"

#include <cctype>
#include <filesystem>

namespace volemo {

std::string LowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

SoundFormat SoundFormatOf(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == ".wav") return SoundFormat::Wav;
  if (ext == ".flac") return SoundFormat::Flac;
  if (ext == ".ogg") return SoundFormat::OggVorbis;
  return SoundFormat::None;
}

}  // namespace volemo
