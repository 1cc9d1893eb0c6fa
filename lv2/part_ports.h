// The part ports' values as volemo-cli's options: the plugin composes with
// the settings those options give, by the same reading.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "control_values.h"
#include "ports.h"

namespace volemo::lv2 {

using PartPortValues = std::array<int32_t, kPartPortCount>;

// The port's range and default; a list's maximum is its last entry.
SettingRange PartRange(const PartPort& port);

// The option's text for a list's entry: empty for none.
std::string_view PartChoice(const PartPort& port, int32_t value);

// The options the values give, each taken at the nearest end of its range;
// those at none left out.
ControlValues PartOptions(const PartPortValues& values);

}  // namespace volemo::lv2
