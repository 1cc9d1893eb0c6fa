// Every control that holds a setting: its kind, range and start value.
// The window and the in-memory record both build their controls from this
// table, so the two can never disagree on a range or a default.
#pragma once

#include <span>
#include <string_view>

namespace volemo {

class Settings;

enum class ControlKind { Spin, Slider, List, Check };

struct ControlInfo {
  std::string_view name;
  ControlKind kind;
  int minimum;  // lists: 0; checks: 0
  int maximum;  // lists: last index, or -1 when filled at run time; checks: 1
  int initial;  // lists: selected index; checks: 1 = checked
  std::string_view meaning;  // one English line, for the command line's list
};

std::span<const ControlInfo> AllControls();
const ControlInfo* FindControl(std::string_view name);  // nullptr if unknown

// Clamps v into the control's range.
int ClampToRange(const ControlInfo& control, int v);

// A spin field's value as the field would show it after losing the focus:
// clamped into its range. The engine reads the octaves this way, so a value
// typed but not yet confirmed never indexes outside a table.
int ValueInRange(const Settings& settings, std::string_view spinName);

// A count field's value with only its maximum enforced: a count of 0 or less
// still means "none" (an empty pattern, a single pass), while a huge count
// typed but not confirmed cannot make a loop run without bound.
int CountAtMost(const Settings& settings, std::string_view spinName);

}  // namespace volemo
