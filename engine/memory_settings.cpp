#include "memory_settings.h"

#include <stdexcept>
#include <utility>

#include "StrUnit.h"
#include "scale_table.h"
#include "spin_value.h"

namespace volemo {

MemorySettings::MemorySettings(EngineState& state) : state_(state) {
  for (const ControlInfo& c : AllControls()) {
    Control control{&c, {}, c.initial};
    if (c.kind == ControlKind::Spin) control.text = std::to_string(c.initial);
    controls_.emplace(std::string(c.name), std::move(control));
  }
}

MemorySettings::MemorySettings(EngineState& state, const MemorySettings& values)
    : state_(state), controls_(values.controls_), pattern_(values.pattern_), mml_(values.mml_),
      status_(values.status_) {}

const MemorySettings::Control& MemorySettings::Find(std::string_view name,
                                                    ControlKind kind) const {
  const auto it = controls_.find(name);
  if (it == controls_.end() || it->second.info->kind != kind)
    throw std::invalid_argument("no such control of this kind: " + std::string(name));
  return it->second;
}

MemorySettings::Control& MemorySettings::Find(std::string_view name, ControlKind kind) {
  return const_cast<Control&>(std::as_const(*this).Find(name, kind));
}

int32_t MemorySettings::Value(std::string_view name) const {
  const Control& c = Find(name, ControlKind::Spin);
  return SpinValue(c.text, c.info->minimum);
}

std::string MemorySettings::Text(std::string_view name) const {
  return Find(name, ControlKind::Spin).text;
}

int MemorySettings::Index(std::string_view name) const {
  return Find(name, ControlKind::List).value;
}

bool MemorySettings::IsChecked(std::string_view name) const {
  return Find(name, ControlKind::Check).value != 0;
}

int MemorySettings::Position(std::string_view name) const {
  return Find(name, ControlKind::Slider).value;
}

void MemorySettings::SetPosition(std::string_view name, int v) {
  Control& c = Find(name, ControlKind::Slider);
  v = ClampToRange(*c.info, v);
  if (v == c.value) return;
  c.value = v;
  // The twelve scale sliders "src0".."src11" share one change handler.
  if (name.starts_with("src")) ScaleSliderChanged(state_, std::stoi(std::string(name.substr(3))), v);
}

void MemorySettings::SetStatus(const std::string& text) { status_ = ReplaceCrLfWithBlank(text); }

void MemorySettings::SetText(std::string_view spinName, const std::string& text) {
  Find(spinName, ControlKind::Spin).text = text;
}

void MemorySettings::SetIndex(std::string_view listName, int index) {
  Control& c = Find(listName, ControlKind::List);
  // A list filled at run time holds what the engine state holds.
  const int last = c.info->maximum >= 0 ? c.info->maximum
                                        : static_cast<int>(state_.scaleNames.size()) - 1;
  if (index < -1 || index > last)
    throw std::out_of_range(std::string(listName) + " has no entry " + std::to_string(index));
  c.value = index;
}

void MemorySettings::SetChecked(std::string_view checkName, bool checked) {
  Find(checkName, ControlKind::Check).value = checked ? 1 : 0;
}

}  // namespace volemo
