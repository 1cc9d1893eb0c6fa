// The line, parts, groove, meter and form settings as names and values, the
// command line's option names without their dashes ("smoothness", "80"):
// takes and presets keep them in this form, and the command line and the
// window read them through it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "arrangement.h"
#include "control_values.h"
#include "groove_settings.h"

namespace volemo {

struct PartSettings {
  ArrangementSettings arrangement;
  GrooveSettings groove;

  bool operator==(const PartSettings&) const = default;
};

// Each setting that differs from its default, in a fixed order (the meter
// before its beats); none for the defaults.
ControlValues PartValues(const PartSettings& settings);

// True for the name of one of these settings.
bool IsPartValue(std::string_view name);

// Sets one by name. "beats" applies to the meter set so far (4/4 without
// one). Throws std::invalid_argument with the reason, without the name,
// for a value the setting cannot take or an unknown name.
void SetPartValue(PartSettings& settings, std::string_view name, const std::string& value);

// The names of every setting, in PartValues' order.
const std::vector<std::string>& PartValueNames();

// The settings the values give over the defaults, the beats after every
// other value; names this program does not know are skipped. A value a
// setting cannot take throws as SetPartValue does, the reason then
// starting with the name; with onBad, it is passed that reason instead and
// left out.
PartSettings ReadPartValues(const ControlValues& values,
                            const std::function<void(const std::string&)>& onBad = nullptr);

}  // namespace volemo
