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
    ControlInfo{"cmbScale", K::List, 0, -1, -1, "the scale, an index into the scale file's list (volemo-cli scales)"},
    ControlInfo{"cmbKey", K::List, 0, 11, 0, "the key: 0 = C, 1 = C#, ... 11 = B"},
    ControlInfo{"src0", K::Slider, 0, 10, 0, "weight of the pitch class 0 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src1", K::Slider, 0, 10, 0, "weight of the pitch class 1 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src2", K::Slider, 0, 10, 0, "weight of the pitch class 2 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src3", K::Slider, 0, 10, 0, "weight of the pitch class 3 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src4", K::Slider, 0, 10, 0, "weight of the pitch class 4 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src5", K::Slider, 0, 10, 0, "weight of the pitch class 5 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src6", K::Slider, 0, 10, 0, "weight of the pitch class 6 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src7", K::Slider, 0, 10, 0, "weight of the pitch class 7 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src8", K::Slider, 0, 10, 0, "weight of the pitch class 8 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src9", K::Slider, 0, 10, 0, "weight of the pitch class 9 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src10", K::Slider, 0, 10, 0, "weight of the pitch class 10 (0 = C); picking a scale or a key sets it"},
    ControlInfo{"src11", K::Slider, 0, 10, 0, "weight of the pitch class 11 (0 = C); picking a scale or a key sets it"},
    // Rhythm symbol weights N r ^ m d W B.
    ControlInfo{"scrP0", K::Slider, 0, 100, 100, "weight of the rhythm symbol N (a note)"},
    ControlInfo{"scrP1", K::Slider, 0, 100, 15, "weight of r (a rest)"},
    ControlInfo{"scrP2", K::Slider, 0, 100, 90, "weight of ^ (a tie to the step before)"},
    ControlInfo{"scrP3", K::Slider, 0, 100, 10, "weight of m (a muted note)"},
    ControlInfo{"scrP4", K::Slider, 0, 100, 8, "weight of d (a double: two notes in one step)"},
    ControlInfo{"scrP5", K::Slider, 0, 100, 20, "weight of W (a chord of two notes)"},
    ControlInfo{"scrP6", K::Slider, 0, 100, 0, "weight of B (a pitch bend)"},
    ControlInfo{"chkPatternPlayFirst", K::Check, 0, 1, 1, "1: a drawn pattern never starts with a rest or a tie"},
    ControlInfo{"spnPatternCount", K::Spin, 1, 64, 16, "the rhythm pattern's length in steps"},
    ControlInfo{"scrGateN", K::Slider, 0, 100, 100, "gate of a note, in percent"},
    ControlInfo{"scrGateM", K::Slider, 0, 100, 20, "gate of a muted note, in percent"},
    ControlInfo{"scrMuteRate", K::Slider, 0, 100, 20, "how often a symbol other than m is muted, in percent"},
    // Phrase settings.
    ControlInfo{"spnL", K::Spin, 1, 64, 16, "the step's note length (16 = a sixteenth)"},
    ControlInfo{"spnCount", K::Spin, 1, 64, 32, "the phrase's length in steps"},
    ControlInfo{"spnOct1", K::Spin, 1, 10, 4, "octave of the lowest note"},
    ControlInfo{"cmbOct1", K::List, 0, 11, 0, "pitch class of the lowest note: 0 = C ... 11 = B"},
    ControlInfo{"spnOct2", K::Spin, 1, 10, 5, "octave of the highest note"},
    ControlInfo{"cmbOct2", K::List, 0, 11, 11, "pitch class of the highest note: 0 = C ... 11 = B"},
    ControlInfo{"spnV", K::Spin, 1, 127, 120, "velocity of the notes"},
    ControlInfo{"chkVoice", K::Check, 0, 1, 1, "1: write the voice (program change) into the phrase"},
    ControlInfo{"spnVoice", K::Spin, 1, 128, 1, "the voice, a General MIDI program number"},
    ControlInfo{"cmbVoice", K::List, 0, 127, 0, "the voice by its name: index 0 is voice 1"},
    ControlInfo{"spnTempo", K::Spin, 30, 300, 110, "tempo in quarter notes a minute"},
    ControlInfo{"spnCH", K::Spin, 1, 16, 1, "MIDI channel"},
    ControlInfo{"chkMakePattern", K::Check, 0, 1, 1, "1: draw a new rhythm pattern for every phrase"},
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
