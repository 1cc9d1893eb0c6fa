// The MML read into a flat list of instructions. Reading checks everything
// that does not depend on the course of play; the performer runs the list,
// jumping back for repeats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dvorlin {

// Longest length or position in ticks: delta times in the file are written
// in at most four bytes of seven bits.
constexpr int64_t kMaxTick = 0x0FFFFFFF;

enum class Op : uint8_t {
  Note,           // a: pitch class with accidentals (may leave 0..11); length
  Rest,           // length
  Tie,            // length
  DefaultLength,  // a: ticks
  Octave,         // a
  OctaveUp,
  OctaveDown,
  Velocity,     // a
  Gate,         // a: percent
  Tempo,        // a: beats per minute
  Channel,      // a: 0..15
  Program,      // a: 0..127
  Meter,        // a: numerator, b: denominator as a power of two
  Bend,         // a: -8192..8191
  BendSweep,    // a: from, b: to; length
  ChordBegin,   // length
  ChordEnd,
  DivBegin,     // a: items that follow and share its length; length
  RepeatBegin,  // a: count, b: index of the RepeatEnd
  RepeatBreak,  // b: index of the RepeatBegin it leaves
  RepeatEnd,    // b: index of the RepeatBegin
  Part,         // a: index into Program::partNames
};

// A length as written: ticks, or 0 for the default length at the time of
// play with dots added.
struct Length {
  int32_t ticks = 0;
  uint8_t dots = 0;
};

// Kept small: a long document is mostly instructions.
struct Instr {
  Op op;
  uint8_t dots = 0;
  uint16_t size = 0;  // of the source text, for messages during play
  int32_t ticks = 0;
  int32_t a = 0;
  int32_t b = 0;
  uint32_t pos = 0;

  void SetLength(Length l) {
    ticks = l.ticks;
    dots = l.dots;
  }
};

struct Program {
  std::vector<Instr> code;
  size_t notes = 0;  // Note instructions, counted for the performer's room
  // Empty without Part commands; else the text before the first Part is
  // part 0, named "".
  std::vector<std::string_view> partNames;
};

// Part names are written as track names of one byte's length.
constexpr size_t kMaxPartName = 127;
constexpr size_t kMaxParts = 64;

// Ticks of a length given as a fraction of a whole note (1920 / divisor) or
// in ticks, with dots: each dot adds half of what the one before added.
// Rounded to the nearest tick: l7 is 274 ticks. Dots past the twentieth add
// less than a tick and are not counted.
inline int64_t DottedTicks(int64_t amount, int64_t divisor, int dots) {
  if (dots > 20) dots = 20;
  const int64_t numerator = amount * ((int64_t{2} << dots) - 1);
  const int64_t denominator = divisor << dots;
  return (2 * numerator + denominator) / (2 * denominator);
}

}  // namespace dvorlin
