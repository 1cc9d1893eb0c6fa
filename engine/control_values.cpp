#include "control_values.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <stdexcept>

#include "message_format.h"
#include "translatable.h"

#include "controls.h"
#include "scale_table.h"

namespace volemo {
namespace {

long long Integer(const std::string& name, const std::string& value) {
  long long v = 0;
  const char* end = value.data() + value.size();
  const auto [ptr, ec] = std::from_chars(value.data(), end, v);
  if (value.empty() || ec != std::errc() || ptr != end)
    throw std::invalid_argument(
        FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は整数で指定してください（\"%2\" は整数ではありません）"), {name, value}));
  return v;
}

}  // namespace

ControlValues CaptureControls(const Settings& settings) {
  ControlValues values;
  values.reserve(AllControls().size());
  for (const ControlInfo& c : AllControls()) {
    std::string value;
    switch (c.kind) {
      case ControlKind::Spin: value = settings.Text(c.name); break;
      case ControlKind::Slider: value = std::to_string(settings.Position(c.name)); break;
      case ControlKind::List: value = std::to_string(settings.Index(c.name)); break;
      case ControlKind::Check: value = std::to_string(settings.IsChecked(c.name) ? 1 : 0); break;
    }
    values.emplace_back(std::string(c.name), std::move(value));
  }
  return values;
}

void SetControl(EditableSettings& settings, EngineState& state, const std::string& name,
                const std::string& value) {
  const ControlInfo* info = FindControl(name);
  if (!info) throw std::invalid_argument(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は不明なコントロールです"), {name}));
  switch (info->kind) {
    case ControlKind::Spin:
      settings.SetText(name, value);
      break;
    case ControlKind::Slider:
      settings.SetPosition(name, static_cast<int>(std::clamp<long long>(Integer(name, value), INT_MIN, INT_MAX)));
      break;
    case ControlKind::Check:
      settings.SetChecked(name, Integer(name, value) != 0);
      break;
    case ControlKind::List: {
      const long long index = Integer(name, value);
      // The scale list holds what the scale file held.
      const int last = info->maximum >= 0 ? info->maximum : static_cast<int>(state.scaleNames.size()) - 1;
      if (index < 0 || index > last)
        throw std::out_of_range(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は 0～%2 の番号で指定してください（%3 は範囲外です）"),
                                              {name, std::to_string(last), value}));
      settings.SetIndex(name, static_cast<int>(index));
      if (name == "cmbScale" || name == "cmbKey") ApplyScale(settings, state);
      break;
    }
  }
}

}  // namespace volemo
