#pragma once

#include <array>

namespace volemo {

// The names of the 128 General MIDI voices as the voice list shows them;
// entry i names program number i + 1. The spellings are the list's own.
extern const std::array<const char*, 128> kVoiceNames;

}  // namespace volemo
