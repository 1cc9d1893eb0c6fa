// The part ports read as volemo-cli's options: at their defaults they
// leave the engine's defaults, so a host that leaves them alone hears what
// it heard before them; moved, each changes a setting (no port names an
// option the reading skips).
#include <gtest/gtest.h>

#include "part_ports.h"
#include "part_values.h"

namespace volemo::lv2 {
namespace {

PartSettings Read(const PartPortValues& values) { return ReadPartValues(PartOptions(values)); }

TEST(PartPorts, DefaultsAreTheEnginesAndEachPortMovesItsSetting) {
  PartPortValues defaults{}, gatesOpen{};
  for (uint32_t i = 0; i < kPartPortCount; ++i) {
    defaults[i] = PartRange(kPartPorts[i]).initial;
    gatesOpen[i] = kPartPorts[i].kind == PartKind::Gate ? 1 : defaults[i];
  }
  EXPECT_EQ(Read(defaults), PartSettings{});
  for (uint32_t i = 0; i < kPartPortCount; ++i) {
    const PartPort& port = kPartPorts[i];
    const PartPortValues& base = port.kind == PartKind::Gate ? defaults : gatesOpen;
    PartPortValues moved = base;
    const SettingRange range = PartRange(port);
    moved[i] = range.initial < range.maximum ? range.initial + 1 : range.initial - 1;
    EXPECT_NE(Read(moved), Read(base)) << port.symbol;
  }
}

}  // namespace
}  // namespace volemo::lv2
