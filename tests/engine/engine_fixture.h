// An engine over the in-memory settings record, as the command line uses it.
#pragma once

#include <string>
#include <string_view>

#include "cp932.h"
#include "engine_state.h"
#include "memory_settings.h"

namespace volemo {

// Japanese literals in the tests are written in UTF-8 and compared as the
// engine holds them.
inline std::string Sj(std::string_view utf8) { return Cp932FromUtf8(utf8); }

struct Engine {
  explicit Engine(uint32_t seed = 0) { state.random.Seed(seed); }
  EngineState state;
  MemorySettings settings{state};

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
