// An engine over the in-memory settings record, as the command line uses it.
#pragma once

#include <string>
#include <string_view>

#include "controls.h"
#include "cp932.h"
#include "engine_state.h"
#include "memory_settings.h"
#include "scale_table.h"

namespace volemo {

// Japanese literals in the tests are written in UTF-8 and compared as the
// engine holds them.
inline std::string Sj(std::string_view utf8) { return Cp932FromUtf8(utf8); }

struct Engine {
  explicit Engine(uint32_t seed = 0) { state.random.Seed(seed); }
  EngineState state;
  MemorySettings settings{state};

  // The window's start: the shipped scale file read, "Major" in C applied.
  void StartAsTheWindowDoes() {
    settings.SetIndex("cmbScale", LoadScaleTable(state, VOLEMO_SHIPPED_SCALE_FILE, [](auto&, auto&) {}));
    ApplyScale(settings, state);
  }
  // A control set by its name as a user would: spin fields take the text,
  // the others its number; picking a scale or a key applies the scale.
  void Set(std::string_view name, const std::string& value) {
    switch (FindControl(name)->kind) {
      case ControlKind::Spin: settings.SetText(name, value); return;
      case ControlKind::Slider: settings.SetPosition(name, std::stoi(value)); return;
      case ControlKind::Check: settings.SetChecked(name, value != "0"); return;
      case ControlKind::List:
        settings.SetIndex(name, std::stoi(value));
        if (name == "cmbScale" || name == "cmbKey") ApplyScale(settings, state);
        return;
    }
  }

  // Only C weighted: every note is accepted at its first attempt, so each
  // note takes exactly two draws.
  void WeightOnlyC() { settings.SetPosition("src0", 10); }
  // Low and high note both C of octave 4: every note is 48.
  void RangeC4ToC4() {
    settings.SetIndex("cmbOct2", 0);
    settings.SetText("spnOct2", "4");
  }
};

}  // namespace volemo
