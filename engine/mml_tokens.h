// The MML that more than one of the engine's writers put down, so that a
// body written anew from its notes reads as the composer wrote it and the
// parts as the melody.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace volemo {

// The slide up into a bent note: from a whole tone below within a 32nd.
inline constexpr std::string_view kBendSlide = "p%.T(-8192,0,!32)";

// A body's line holds this many steps (the composer's, under a meter, a
// bar), then the line end: a bar line and a line break.
inline constexpr int kStepsPerLine = 16;
inline constexpr std::string_view kLineEnd = "|\r\n";

// A length of exactly ticks, written after a note, chord, rest or tie.
inline std::string TicksLength(int64_t ticks) { return "%" + std::to_string(ticks); }

}  // namespace volemo
