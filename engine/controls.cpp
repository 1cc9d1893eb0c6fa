#include "controls.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "settings.h"

namespace volemo {
namespace {

using K = ControlKind;

constexpr std::array kControls = {
    // Scale page.
    ControlInfo{"cmbScale", K::List, 0, -1, -1},
    ControlInfo{"cmbKey", K::List, 0, 11, 0},
    ControlInfo{"src0", K::Slider, 0, 10, 0},
    ControlInfo{"src1", K::Slider, 0, 10, 0},
    ControlInfo{"src2", K::Slider, 0, 10, 0},
    ControlInfo{"src3", K::Slider, 0, 10, 0},
    ControlInfo{"src4", K::Slider, 0, 10, 0},
    ControlInfo{"src5", K::Slider, 0, 10, 0},
    ControlInfo{"src6", K::Slider, 0, 10, 0},
    ControlInfo{"src7", K::Slider, 0, 10, 0},
    ControlInfo{"src8", K::Slider, 0, 10, 0},
    ControlInfo{"src9", K::Slider, 0, 10, 0},
    ControlInfo{"src10", K::Slider, 0, 10, 0},
    ControlInfo{"src11", K::Slider, 0, 10, 0},
    // Rhythm symbol weights N r ^ m d W B.
    ControlInfo{"scrP0", K::Slider, 0, 100, 100},
    ControlInfo{"scrP1", K::Slider, 0, 100, 15},
    ControlInfo{"scrP2", K::Slider, 0, 100, 90},
    ControlInfo{"scrP3", K::Slider, 0, 100, 10},
    ControlInfo{"scrP4", K::Slider, 0, 100, 8},
    ControlInfo{"scrP5", K::Slider, 0, 100, 20},
    ControlInfo{"scrP6", K::Slider, 0, 100, 0},
    ControlInfo{"chkPatternPlayFirst", K::Check, 0, 1, 1},
    ControlInfo{"spnPatternCount", K::Spin, 1, 64, 16},
    ControlInfo{"scrGateN", K::Slider, 0, 100, 100},
    ControlInfo{"scrGateM", K::Slider, 0, 100, 20},
    ControlInfo{"scrMuteRate", K::Slider, 0, 100, 20},
    // Phrase settings.
    ControlInfo{"spnL", K::Spin, 1, 64, 16},
    ControlInfo{"spnCount", K::Spin, 1, 64, 32},
    ControlInfo{"spnOct1", K::Spin, 1, 10, 4},
    ControlInfo{"cmbOct1", K::List, 0, 11, 0},
    ControlInfo{"spnOct2", K::Spin, 1, 10, 5},
    ControlInfo{"cmbOct2", K::List, 0, 11, 11},
    ControlInfo{"spnV", K::Spin, 1, 127, 120},
    ControlInfo{"chkVoice", K::Check, 0, 1, 1},
    ControlInfo{"spnVoice", K::Spin, 1, 128, 1},
    ControlInfo{"cmbVoice", K::List, 0, 127, 0},
    ControlInfo{"spnTempo", K::Spin, 30, 300, 110},
    ControlInfo{"spnCH", K::Spin, 1, 16, 1},
    ControlInfo{"chkMakePattern", K::Check, 0, 1, 1},
};

}  // namespace

std::span<const ControlInfo> AllControls() { return kControls; }

const ControlInfo* FindControl(std::string_view name) {
  for (const ControlInfo& c : kControls)
    if (c.name == name) return &c;
  return nullptr;
}

int ClampToRange(const ControlInfo& control, int v) {
  if (control.maximum < control.minimum) return std::max(v, control.minimum);
  return std::clamp(v, control.minimum, control.maximum);
}

int ValueInRange(const Settings& settings, std::string_view spinName) {
  const ControlInfo* control = FindControl(spinName);
  if (!control) throw std::invalid_argument("unknown control " + std::string(spinName));
  return ClampToRange(*control, settings.Value(spinName));
}

int CountAtMost(const Settings& settings, std::string_view spinName) {
  const ControlInfo* control = FindControl(spinName);
  if (!control) throw std::invalid_argument("unknown control " + std::string(spinName));
  return std::min(settings.Value(spinName), control->maximum);
}

}  // namespace volemo
