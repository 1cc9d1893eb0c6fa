#include "arrangement_options.h"

#include <string>

namespace volemo::cli {
namespace {

int Bounded(const std::string& value, std::string_view option, int low, int high) {
  const long long v = ParseInteger(value, option);
  if (v < low || v > high)
    throw UsageError(std::string(option) + " takes " + std::to_string(low) + " to " + std::to_string(high) +
                     ", not " + value);
  return static_cast<int>(v);
}

}  // namespace

const char kArrangementOptionsHelp[] = R"(The melody's line (every one off by default: the phrase as without them):
  --smoothness S        0 to 100: keys far from the note before lose weight (at
                        100 the weight halves with every semitone)
  --max-leap N          no move larger than N semitones (1 to 127)
  --turn-back P         after a leap larger than a fifth, step back with P percent
  --cadence P           the last note lands on the tonic (or a tone of the chord)
                        with P percent
  --contour C           free, arch, rising, falling or wave
)";

bool TakeArrangementOption(ArgumentReader& args, ArrangementSettings& a) {
  if (auto v = args.TakeValue("--smoothness")) {
    a.line.smoothness = Bounded(*v, "--smoothness", 0, 100);
  } else if (auto v = args.TakeValue("--max-leap")) {
    a.line.maxLeap = Bounded(*v, "--max-leap", 1, 127);
  } else if (auto v = args.TakeValue("--turn-back")) {
    a.line.turnBack = Bounded(*v, "--turn-back", 0, 100);
  } else if (auto v = args.TakeValue("--cadence")) {
    a.line.cadence = Bounded(*v, "--cadence", 0, 100);
  } else if (auto v = args.TakeValue("--contour")) {
    const std::optional<Contour> contour = ContourNamed(*v);
    if (!contour) throw UsageError("--contour takes free, arch, rising, falling or wave, not " + *v);
    a.line.contour = *contour;
  } else {
    return false;
  }
  return true;
}

}  // namespace volemo::cli
