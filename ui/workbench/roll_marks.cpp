#include "roll_marks.h"

#include <algorithm>
#include <stdexcept>

#include "harmony.h"
#include "phrase_form.h"

namespace volemo {

RollMarks MarksOf(const std::vector<music::Chord>& chords, const GrooveSettings& groove, int64_t endTick) {
  RollMarks marks;
  marks.meter = groove.meter;
  if (groove.stepProbability < 100) marks.stepProbability["melody"] = groove.stepProbability;
  if (!chords.empty()) {
    const int64_t bar = BarTicks(groove.meter.value_or(Meter{}));
    for (int64_t tick = 0; tick < endTick; tick += bar)
      marks.chords.push_back({tick, std::min(tick + bar, endTick), ChordAt(chords, tick, bar).symbol});
  }
  if (groove.form.empty()) return marks;
  std::vector<FormSection> form;
  try {
    form = ParseForm(groove.form);
  } catch (const std::invalid_argument&) {
    return marks;  // the composer refused it: no phrase of this form to mark
  }
  const int64_t length = int64_t{groove.sectionBars} * BarTicks(groove.meter.value_or(Meter{}));
  int64_t start = 0;
  for (const FormSection& section : form) {
    if (start >= endTick || length <= 0) break;
    marks.sections.push_back(
        {start, std::min(start + length, endTick), std::string(1, section.letter) + std::string(size_t(section.primes), '\'')});
    start += length;
  }
  return marks;
}

}  // namespace volemo
