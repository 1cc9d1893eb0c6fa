#include "roll_marks.h"

#include <algorithm>
#include <stdexcept>

#include "harmony.h"
#include "form_sections.h"

namespace volemo {

RollMarks MarksOf(const std::vector<music::Chord>& chords, const GrooveSettings& groove,
                  const std::map<std::string, int>& stepProbability, int64_t endTick) {
  RollMarks marks;
  marks.meter = groove.meter;
  if (stepProbability.empty() && groove.stepProbability < 100) marks.stepProbability["melody"] = groove.stepProbability;
  for (const auto& [part, percent] : stepProbability)
    if (percent < 100) marks.stepProbability[part] = percent;
  if (!chords.empty()) {
    const int64_t bar = BarTicks(groove.meter.value_or(Meter{}));
    for (int64_t tick = 0; tick < endTick; tick += bar)
      marks.chords.push_back({tick, std::min(tick + bar, endTick), ChordAt(chords, tick, bar).symbol});
  }
  std::vector<SectionSpan> spans;
  try {
    spans = FormSpans(groove);
  } catch (const std::invalid_argument&) {
    return marks;  // the composer refused it: no phrase of this form to mark
  }
  for (const SectionSpan& span : spans) {
    if (span.start >= endTick || span.end <= span.start) break;
    marks.sections.push_back({span.start, std::min(span.end, endTick), span.Name()});
  }
  return marks;
}

}  // namespace volemo
