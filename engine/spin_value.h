#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace volemo {

// The number a spin field's text stands for: optional leading blanks, an
// optional sign, then decimal digits or hex digits after "$", "x", "X",
// "0x" or "0X", as a signed 32-bit integer. nullopt for any other text.
std::optional<int32_t> ParseSpinText(std::string_view text);

// The field's value: the number, or the field's minimum when the text is
// not one. Never clamped.
int32_t SpinValue(std::string_view text, int32_t minimum);

}  // namespace volemo
