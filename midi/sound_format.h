// The sound files rendering writes, chosen by the name's extension.
#pragma once

#include <string>

namespace volemo {

enum class SoundFormat { None, Wav, Flac, OggVorbis };

// The name's extension with its dot, in lower case ("" for none).
std::string LowerExtension(const std::string& path);

// .wav, .flac or .ogg, in any letter case; None for any other name.
SoundFormat SoundFormatOf(const std::string& path);

}  // namespace volemo
