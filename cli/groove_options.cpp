#include "groove_options.h"

#include <stdexcept>

#include "euclidean_rhythm.h"
#include "phrase_form.h"

namespace volemo::cli {
namespace {

int InRange(const std::string& text, std::string_view option, int low, int high) {
  const long long v = ParseInteger(text, option);
  if (v < low || v > high)
    throw UsageError(std::string(option) + " takes " + std::to_string(low) + " to " + std::to_string(high) + ", not " +
                     text);
  return static_cast<int>(v);
}

// "a,b,c": as many integers as there are names, the last ones optional
// when fewer are required.
std::vector<int> Integers(const std::string& text, std::string_view option, size_t required, size_t most) {
  std::vector<int> values;
  for (size_t start = 0;;) {
    const size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma == std::string::npos ? comma : comma - start);
    const long long v = ParseInteger(part, option);
    if (v < -100000 || v > 100000) throw UsageError(std::string(option) + ": " + part + " is out of range");
    values.push_back(static_cast<int>(v));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() < required || values.size() > most)
    throw UsageError(std::string(option) + " takes " + std::to_string(required) +
                     (most > required ? " to " + std::to_string(most) : std::string()) +
                     " integers joined by commas, not " + text);
  return values;
}

}  // namespace

const char kGrooveOptionsHelp[] = R"(Groove, meter and form (each left out: the phrase as without it):
  --euclid K,N[,R]      draw the pattern as K onsets spread evenly over N steps (1 to 64),
                        rotated R steps later; each onset's symbol drawn by the weights,
                        the other steps rests
  --step-probability P  each sounding step sounds with P percent (0 to 100), else rests
  --swing S             of each pair of grid steps the first lasts S percent (50 to 75)
  --swing-grid G        the swing's grid: 8 or 16 (default 16)
  --humanize-time N     move each step's start up to N ticks either way (0 to 240)
  --humanize-velocity N move each step's velocity up to N either way (0 to 127)
  --accent B[,A]        raise the first step of each beat by B and of each bar by A
                        (default A = B), within 1 to 127
  --meter N/D           2/4, 3/4, 4/4, 5/4, 6/8, 7/8, 12/8, ...: the file's time signature;
                        the phrase fills whole bars
  --beats 2+2+3         the meter's beats in its units (default: 6/8 and 12/8 in threes,
                        7/8 as 2+2+3, quarter meters in quarters)
  --form AA'BA'         sections in order: a new letter a new phrase, a repeated one the
                        same notes, a primed one the letter's notes with some redrawn
  --section-bars B      bars of each section (1 to 64; default 2)
  --variation K         notes redrawn in a primed section (0 to 999; default 0)
)";

bool TakeGrooveOption(ArgumentReader& args, GrooveOptions& options) {
  GrooveSettings& g = options.groove;
  try {
    if (auto v = args.TakeValue("--euclid")) {
      const std::vector<int> e = Integers(*v, "--euclid", 2, 3);
      if (e[1] < 1 || e[1] > 64) throw UsageError("--euclid takes 1 to 64 steps, not " + std::to_string(e[1]));
      EuclideanRhythm(e[0], e[1], 0);  // refuses what cannot be spread
      g.euclid = EuclidSteps{e[0], e[1], e.size() > 2 ? e[2] : 0};
    } else if (auto v = args.TakeValue("--step-probability")) {
      g.stepProbability = InRange(*v, "--step-probability", 0, 100);
    } else if (auto v = args.TakeValue("--swing")) {
      g.swing = InRange(*v, "--swing", 50, 75);
    } else if (auto v = args.TakeValue("--swing-grid")) {
      g.swingGrid = InRange(*v, "--swing-grid", 8, 16);
      if (g.swingGrid != 8 && g.swingGrid != 16) throw UsageError("--swing-grid takes 8 or 16, not " + *v);
    } else if (auto v = args.TakeValue("--humanize-time")) {
      g.humanizeTime = InRange(*v, "--humanize-time", 0, 240);
    } else if (auto v = args.TakeValue("--humanize-velocity")) {
      g.humanizeVelocity = InRange(*v, "--humanize-velocity", 0, 127);
    } else if (auto v = args.TakeValue("--accent")) {
      const std::vector<int> a = Integers(*v, "--accent", 1, 2);
      for (int amount : a)
        if (amount < 0 || amount > 127) throw UsageError("--accent takes amounts of 0 to 127, not " + *v);
      g.beatAccent = a[0];
      g.barAccent = a.back();
    } else if (auto v = args.TakeValue("--meter")) {
      g.meter = ParseMeter(*v);
    } else if (auto v = args.TakeValue("--beats")) {
      options.beats = *v;
    } else if (auto v = args.TakeValue("--form")) {
      ParseForm(*v);
      g.form = *v;
    } else if (auto v = args.TakeValue("--section-bars")) {
      g.sectionBars = InRange(*v, "--section-bars", 1, 64);
    } else if (auto v = args.TakeValue("--variation")) {
      g.variation = InRange(*v, "--variation", 0, 999);
    } else {
      return false;
    }
  } catch (const std::invalid_argument& e) {
    throw UsageError(e.what());
  }
  return true;
}

GrooveSettings FinishGroove(const GrooveOptions& options) {
  GrooveSettings g = options.groove;
  if (options.beats) {
    if (!g.meter) g.meter = Meter{};
    try {
      g.meter->beats = ParseBeats(*options.beats, *g.meter);
    } catch (const std::invalid_argument& e) {
      throw UsageError(e.what());
    }
  }
  return g;
}

}  // namespace volemo::cli
