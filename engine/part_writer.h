// A part of the arrangement as MML: its hits, each one note or a chord for
// a length, written after "Part(name)" with rests between them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "accompaniment.h"
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
// the melody's, a line to each bar of the meter.
Phrase WritePart(const PartVoice& voice, const std::vector<PartHit>& hits, const std::vector<int>& keys,
                 int64_t bodyTicks, const PartTime& time);

// The voice of a part as its voicing asks, with the part's own velocity
// and gate.
PartVoice VoiceOf(std::string_view name, const PartVoicing& voicing, int velocity, int gate);

// Each bar start of the body, and the tick of each step of stepTicks
// inside that bar, in order: f(barStart, inBar).
template <class F>
void ForEachStep(int64_t bodyTicks, const Meter& meter, int64_t stepTicks, F&& f) {
  const int64_t bar = BarTicks(meter);
  for (int64_t start = 0; start < bodyTicks; start += bar)
    for (int64_t in = 0; in < bar && start + in < bodyTicks; in += stepTicks) f(start, in);
}

}  // namespace volemo
