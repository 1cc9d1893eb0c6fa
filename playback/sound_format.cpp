#include "sound_format.h"

#include <cctype>
#include <filesystem>

namespace volemo {

SoundFormat SoundFormatOf(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".wav") return SoundFormat::Wav;
  if (ext == ".flac") return SoundFormat::Flac;
  if (ext == ".ogg") return SoundFormat::OggVorbis;
  return SoundFormat::None;
}

}  // namespace volemo
