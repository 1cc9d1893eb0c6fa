// A part of the arrangement as MML: its hits, each one note or a chord for
// a length, written after "Part(name)" with rests between them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "phrase.h"

namespace volemo {

struct PartHit {
  int64_t start = 0;  // in the body
  int64_t length = 0;
  int count = 1;      // notes sounding together
};

struct PartVoice {
  std::string_view name;
  int channel = 1;
  int voice = 0;  // 0: none asked for
  int velocity = 100;
  int gate = 100;
};

// The hits in order of time, never overlapping, inside bodyTicks; keys
// holds the notes of every hit in order. The body is repeated as often as
// the melody's.
Phrase WritePart(const PartVoice& voice, const std::vector<PartHit>& hits, const std::vector<int>& keys,
                 int64_t bodyTicks);

}  // namespace volemo
