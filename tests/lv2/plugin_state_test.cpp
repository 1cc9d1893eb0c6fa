// A saved session brings back the phrase the listener heard, not a new
// one composed from the ports.
#include <gtest/gtest.h>

#include "plugin_test_support.h"

namespace volemo::lv2test {
namespace {

TEST(PluginState, ARestoredSessionPlaysTheSavedPhrase) {
  std::string saved;
  {
    Host host;
    Prepare(host, 5);
    host.Set("reroll", 1);  // the re-roll lives only in the phrase, not in a port
    host.Run(64, 64);
    host.Set("reroll", 0);
    host.Run(64, 64);
    saved = host.SaveState();
  }
  ASSERT_NE(saved.find("Tempo="), std::string::npos) << "no MML in the saved state:\n" << saved;

  Host restored;
  restored.RestoreState(saved);
  EXPECT_EQ(restored.Get("seed"), 5);
  const int64_t until = At120(4 * kBarTicks);
  restored.Run(until, 256, {{kStart, Rolling()}});
  const auto expected = Expected(CliNotes(5, {}, 1), 2 * kBarTicks, 1, 120, {{0, 4 * kBarTicks, At120, false}}, until);
  EXPECT_EQ(Sorted(restored.Events(), until), expected) << Describe(restored.Events());
  EXPECT_NE(NoteOns(expected), NoteOns(Expected(CliNotes(5, {}), 2 * kBarTicks, 1, 120,
                                                {{0, 4 * kBarTicks, At120, false}}, until)))
      << "the re-roll changed nothing: the test cannot tell a saved phrase from a new one";
}

}  // namespace
}  // namespace volemo::lv2test
