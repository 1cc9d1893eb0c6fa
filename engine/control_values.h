// Every control's value by name, as `volemo-cli --set` takes it: a spin
// field's text, a slider's position, a list's index, a check box's 0 or 1.
// Takes and presets keep the settings in this form, and put them back
// through the same steps a user's hand would take.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine_state.h"
#include "settings.h"

namespace volemo {

// The settings record plus what a user does to the controls. SetText puts
// a spin field's text as typed (not clamped); SetIndex selects in a list
// without running a handler (-1: none; throws std::out_of_range for an entry
// the list does not hold); SetChecked ticks a check box. Each throws
// std::invalid_argument for a name that is not a control of that kind.
class EditableSettings : public Settings {
 public:
  virtual void SetText(std::string_view spinName, const std::string& text) = 0;
  virtual void SetIndex(std::string_view listName, int index) = 0;
  virtual void SetChecked(std::string_view checkName, bool checked) = 0;
};

// Names and values. The engine's own (CaptureControls, SetControl) are
// CP932, as its settings are; a take or a preset holds UTF-8 ones, converted
// only in snapshot.h.
using ControlValues = std::vector<std::pair<std::string, std::string>>;

// Every control of the settings table, in the table's order (CP932).
ControlValues CaptureControls(const Settings& settings);

// Sets one control as the user would: a slider takes any integer (clamped
// by the slider); a list takes an index it holds, and picking a scale or a
// key re-applies the scale (ApplyScale's EngineError propagates, after the
// index is set). Throws std::invalid_argument for an unknown control or a
// value that is not an integer, std::out_of_range for a list index the list
// does not hold.
void SetControl(EditableSettings& settings, EngineState& state, const std::string& name,
                const std::string& value);

}  // namespace volemo
