#include "part_ports.h"

#include <algorithm>
#include <string>

#include "progression_table.h"

namespace volemo::lv2 {

SettingRange PartRange(const PartPort& port) {
  const auto last = static_cast<int32_t>(port.choices.size());
  switch (port.kind) {
    case PartKind::Choice: return {0, last - 1, port.initial};
    case PartKind::NoneOrChoice: return {0, last, port.initial};
    case PartKind::Progression:
      return {0, static_cast<int32_t>(music::CommonProgressions().size()) + 1, port.initial};
    default: return {port.minimum, port.maximum, port.initial};
  }
}

std::string_view PartChoice(const PartPort& port, int32_t value) {
  switch (port.kind) {
    case PartKind::Choice: return port.choices[static_cast<size_t>(value)];
    case PartKind::NoneOrChoice: return value == 0 ? std::string_view() : port.choices[static_cast<size_t>(value) - 1];
    case PartKind::Progression:
      return value == 0 ? std::string_view() : value == 1 ? std::string_view("random")
                                                          : music::CommonProgressions()[static_cast<size_t>(value) - 2].numerals;
    default: return {};
  }
}

ControlValues PartOptions(const PartPortValues& values) {
  ControlValues options;
  for (size_t i = 0; i < kPartPortCount;) {
    const std::string_view option = kPartPorts[i].option;
    std::string text;
    bool gateOpen = true;
    for (; i < kPartPortCount && kPartPorts[i].option == option; ++i) {
      const PartPort& port = kPartPorts[i];
      const SettingRange range = PartRange(port);
      const int32_t value = std::clamp(values[i], range.minimum, range.maximum);
      std::string own;
      switch (port.kind) {
        case PartKind::Number: own = std::to_string(value); break;
        case PartKind::NumberOrNone: own = value == 0 ? std::string() : std::to_string(value); break;
        case PartKind::Word: own = value ? std::string(port.choices.front()) : std::string(); break;
        case PartKind::Gate: gateOpen = value != 0; break;
        default: own = PartChoice(port, value); break;
      }
      if (!own.empty()) text += (text.empty() ? "" : ",") + own;
    }
    if (gateOpen && !text.empty()) options.emplace_back(option, std::move(text));
  }
  return options;
}

}  // namespace volemo::lv2
