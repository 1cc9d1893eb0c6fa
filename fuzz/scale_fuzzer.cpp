// The scale file reader on any bytes, then every scale applied in every key
// through the in-memory record. Besides the sanitizers it checks what the
// window relies on: names and definitions stay parallel, no name is empty,
// and the sliders always agree with the weights.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_check.h"
#include "memory_settings.h"
#include "scale_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace volemo;
  const ScaleTable table = ParseScaleTable({reinterpret_cast<const char*>(data), size});
  Check(table.names.size() == table.definitions.size());
  for (const std::string& name : table.names) Check(!name.empty() && name.find('\0') == std::string::npos);
  const int selected = DefaultScaleIndex(table);
  Check(selected >= -1 && selected < static_cast<int>(table.names.size()));

  EngineState state;
  state.scaleNames = table.names;
  state.scaleDefinitions = table.definitions;
  MemorySettings settings(state);
  // A few scales are enough to reach every branch; all of a huge file would
  // only slow the fuzzer down.
  for (size_t s = 0; s < table.names.size() && s < 4; ++s) {
    settings.SetIndex("cmbScale", static_cast<int>(s));
    for (int key = 0; key < 12; ++key) {
      settings.SetIndex("cmbKey", key);
      ApplyScale(settings, state);
      for (int i = 0; i < 12; ++i) {
        Check(state.weights[i] >= 0 && state.weights[i] <= 10);
        Check(settings.Position("src" + std::to_string(i)) == state.weights[i]);
      }
    }
  }
  return 0;
}
