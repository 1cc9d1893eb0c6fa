#include "session.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iostream>
#include <stdexcept>

#include "controls.h"
#include "cp932.h"
#include "engine_error.h"
#include "program_dir.h"
#include "random_source.h"
#include "rhythm_pattern.h"
#include "scale_table.h"

namespace volemo::cli {
namespace {

// Any integer is a valid slider position: the slider clamps it.
int ParseIntForSlider(const std::string& value, const std::string& control) {
  return static_cast<int>(std::clamp<long long>(ParseInteger(value, control), INT_MIN, INT_MAX));
}

}  // namespace

// The random source has no part in reading the scale file and setting the
// controls, so the seed and the drawing can come last.
Session::Session(const SessionOptions& options) : randomWeights_(options.randomWeights) {
  const std::string path = options.scaleFile ? *options.scaleFile : ProgramDir() + "Scale.dat";
  try {
    const int selected = LoadScaleTable(state, path, [](const std::string& text, const std::string& caption) {
      ReportOnStderr(caption + ": " + text);
    });
    settings.SetIndex("cmbScale", selected);
    ApplySelectedScale();
  } catch (const EngineError& e) {
    ReportOnStderr(e.what());  // an unreadable file: the list stays empty
  }

  if (options.scale) {
    int found = -1;
    for (size_t i = 0; i < state.scaleNames.size() && found < 0; ++i)
      if (state.scaleNames[i] == *options.scale) found = static_cast<int>(i);
    if (found < 0) throw UsageError("no scale named \"" + Utf8FromCp932(*options.scale) + "\" in " + path);
    settings.SetIndex("cmbScale", found);
    ApplySelectedScale();
  }
  for (const auto& [control, value] : options.sets) Set(control, value);
  if (options.pattern) settings.SetPatternText(*options.pattern);
  Seed(options.seed ? *options.seed : ClockSeed());
}

Session::Session(const Session& other, uint32_t seed)
    : state(other.state), settings(state, other.settings), randomWeights_(other.randomWeights_) {
  Seed(seed);
}

void Session::Seed(uint32_t seed) {
  state.random.Seed(seed);
  // Every weight is drawn anew, whatever the session copied held.
  if (randomWeights_) RandomizePatternWeights(settings, state);
}

// Re-applies the selected scale in the selected key, as picking a scale or
// a key in the window does.
void Session::ApplySelectedScale() {
  try {
    ApplyScale(settings, state);
  } catch (const EngineError& e) {
    ReportOnStderr(e.what());
  }
}

void Session::Set(const std::string& control, const std::string& value) {
  const ControlInfo& info = *FindControl(control);  // checked when the option was read
  switch (info.kind) {
    case ControlKind::Spin:
      settings.SetText(control, value);
      break;
    case ControlKind::Slider:
      settings.SetPosition(control, ParseIntForSlider(value, control));
      break;
    case ControlKind::Check:
      settings.SetChecked(control, ParseInteger(value, control) != 0);
      break;
    case ControlKind::List: {
      const long long index = ParseInteger(value, control);
      // The scale list holds what the scale file held.
      const int last = info.maximum >= 0 ? info.maximum : static_cast<int>(state.scaleNames.size()) - 1;
      if (index < 0 || index > last)
        throw UsageError(control + " takes an index from 0 to " + std::to_string(last) + ", not " + value);
      settings.SetIndex(control, static_cast<int>(index));
      if (control == "cmbScale" || control == "cmbKey") ApplySelectedScale();
      break;
    }
  }
}

void WriteOutput(const std::string& bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw std::runtime_error("cannot write to standard output");
}

void ReportOnStderr(const std::string& cp932Message) {
  std::cerr << "volemo-cli: " << Utf8FromCp932(cp932Message) << '\n';
}

}  // namespace volemo::cli
