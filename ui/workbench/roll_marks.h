// What the roll shows that the MML text does not say: the chords a phrase
// was composed over, the sections of its form, how its bars divide into
// beats, and the parts whose steps sound only by chance.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "chord.h"
#include "groove_settings.h"
#include "meter.h"

namespace volemo {

struct RollSpan {
  int64_t start = 0, end = 0;  // ticks of the roll's pass
  std::string label;           // UTF-8

  bool operator==(const RollSpan&) const = default;
};

struct RollMarks {
  std::vector<RollSpan> chords;
  std::vector<RollSpan> sections;
  // The beats of a bar where the text's time signature is this meter; none:
  // as that time signature is usually counted.
  std::optional<Meter> meter;
  // Percent a step of the part sounds, by part name ("melody" for a phrase
  // without parts); a part not named sounds always.
  std::map<std::string, int> stepProbability;

  bool operator==(const RollMarks&) const = default;
};

// The marks of a phrase composed over chords (each as long as the parts
// play it) with the groove's meter and form and each part's step
// probability (by name; the groove's for a phrase without parts), over the
// endTick ticks the roll shows.
RollMarks MarksOf(const std::vector<music::Chord>& chords, const GrooveSettings& groove,
                  const std::map<std::string, int>& stepProbability, int64_t endTick);

}  // namespace volemo
