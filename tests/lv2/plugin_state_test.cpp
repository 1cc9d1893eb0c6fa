// A saved session brings back the phrase the listener heard, not a new
// one composed from the ports.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "plugin_test_support.h"

namespace volemo::lv2test {
namespace {

// Bass and chords over a progression of the table as written, in an AA'
// form of two-bar sections: a pass of four bars where the steps make two.
const std::vector<PartOption> kParts = {
    {"bass", 1, "--parts", "bass,chords"}, {"chords", 1, nullptr, nullptr},
    {"progression", 3, "--chords", "I vi IV V"}, {"form", 2, "--form", "AA'"},
    {"swing", 66, "--swing", "66"},
};
const std::map<std::string, int> kPartChannels = {{"melody", 1}, {"bass", 2}, {"chords", 3}};

TEST(PluginState, ARestoredSessionPlaysTheSavedPhrase) {
  struct Case {
    uint32_t seed;
    const std::vector<PartOption>* options;
    int64_t loopTicks;
    int velocity;  // -1: not compared
  };
  const std::vector<PartOption> none;
  for (const Case& c : {Case{5, &none, 2 * kBarTicks, 120}, Case{6, &kParts, 4 * kBarTicks, -1}}) {
    SCOPED_TRACE("seed " + std::to_string(c.seed));
    std::string saved;
    {
      Host host;
      Prepare(host, c.seed, {}, *c.options);
      host.Set("reroll", 1);  // the re-roll lives only in the phrase, not in a port
      host.Run(64, 64);
      host.Set("reroll", 0);
      host.Run(64, 64);
      saved = host.SaveState();
    }
    ASSERT_NE(saved.find("Tempo="), std::string::npos) << "no MML in the saved state:\n" << saved;

    Host restored;
    restored.RestoreState(saved);
    EXPECT_EQ(restored.Get("seed"), c.seed);
    const int64_t until = At120(2 * c.loopTicks);
    restored.Run(until, 256, {{kStart, Rolling()}});
    EXPECT_EQ(restored.Scheduled(), 0) << "the restored settings differ from the ports: a phrase was composed anew";
    const auto expectedOf = [&](int rerolls) {
      std::vector<CliNote> notes = CliNotes(c.seed, {}, rerolls, *c.options);
      for (CliNote& n : notes)
        if (!n.part.empty()) n.channel = kPartChannels.at(n.part);
      return Expected(notes, c.loopTicks, 1, c.velocity, {{0, 2 * c.loopTicks, At120, false}}, until);
    };
    const auto expected = expectedOf(1);
    const auto played = c.velocity < 0 ? Sorted(WithoutVelocities(restored.Events()), until) : restored.Events();
    EXPECT_EQ(Sorted(played, until), expected) << Describe(Sorted(played, until)) << "expected\n" << Describe(expected);
    EXPECT_NE(NoteOns(expected), NoteOns(expectedOf(0)))
        << "the re-roll changed nothing: the test cannot tell a saved phrase from a new one";
  }
}

}  // namespace
}  // namespace volemo::lv2test
