#include "snapshot.h"

#include <algorithm>

#include "controls.h"
#include "cp932.h"
#include "engine_error.h"
#include "scale_table.h"

namespace volemo {
namespace {

std::string SelectedScale(const Settings& settings, const EngineState& state) {
  const int index = settings.Index("cmbScale");
  return index >= 0 && index < static_cast<int>(state.scaleNames.size())
             ? Utf8FromCp932(state.scaleNames[static_cast<size_t>(index)])
             : std::string();
}

ControlValues Utf8Controls(const Settings& settings) {
  ControlValues values = CaptureControls(settings);
  for (auto& [name, value] : values) value = Utf8FromCp932(value);
  return values;
}

}  // namespace

Take CaptureTake(const Settings& settings, const EngineState& state, std::string operation,
                 uint32_t randomStateBefore, const PartSettings& parts) {
  Take take;
  take.parts = PartValues(parts);
  take.operation = std::move(operation);
  take.controls = Utf8Controls(settings);
  take.scale = SelectedScale(settings, state);
  take.weights = state.weights;
  take.pattern = Utf8FromCp932(settings.PatternText());
  take.mml = Utf8FromCp932(settings.MmlText());
  take.randomState = randomStateBefore;
  return take;
}

Preset CapturePreset(const Settings& settings, const EngineState& state, std::string name,
                     const PartSettings& parts) {
  Preset preset{std::move(name), SelectedScale(settings, state), Utf8Controls(settings), false, PartValues(parts)};
  std::erase_if(preset.controls, [](const auto& c) { return c.first == "cmbScale"; });
  return preset;
}

bool RestoreSettings(EditableSettings& settings, EngineState& state, const std::string& scale,
                     const ControlValues& controls) {
  const auto set = [&](const std::string& name, const std::string& value) {
    try {
      SetControl(settings, state, name, value);
    } catch (const EngineError&) {
      // No scale selected to apply: the weights come from the sliders.
    }
  };
  const auto found = std::find(state.scaleNames.begin(), state.scaleNames.end(), Cp932FromUtf8(scale));
  const bool known = found != state.scaleNames.end();
  if (known) set("cmbScale", std::to_string(found - state.scaleNames.begin()));
  for (const auto& [name, value] : controls)
    if (name != "cmbScale" && FindControl(name)) set(name, Cp932FromUtf8(value));
  return known || scale.empty();
}

PartSettings PartsOf(const ControlValues& parts) {
  return ReadPartValues(parts, [](const std::string&) {});
}

PartSettings RestoreTake(EditableSettings& settings, EngineState& state, const Take& take) {
  RestoreSettings(settings, state, take.scale, take.controls);
  state.weights = take.weights;
  ShowWeightsOnSliders(settings, state);
  settings.SetPatternText(Cp932FromUtf8(take.pattern));
  settings.SetMmlText(Cp932FromUtf8(take.mml));
  return PartsOf(take.parts);
}

}  // namespace volemo
