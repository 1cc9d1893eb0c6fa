// volemo-cli ports and phrase --midi-out against a JACK server and a
// receiving client of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "jack_test_support.h"
#include "run_cli.h"

namespace volemo {
namespace {

TEST(PortsCli, APhrasePlayedIntoAJackPortArrivesAsCompiled) {
  test::JackServer server;
  char pattern[] = "/tmp/volemo-ports-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const std::string mid = (dir / "p.mid").string();
  test::MidiMonitor monitor;
  EXPECT_EQ(RunCli({"ports"}).out, "midi-monitor:input\n");
  const auto play = [&] {
    // A unique part of the port's name is enough.
    const Result r = RunCli({"phrase", "--seed", "7", "--tempo", "240", "--set", "spnCount=8", "--mid", mid,
                             "--midi-out", "monitor"});
    EXPECT_EQ(r.status, 0) << r.err;
  };
  EXPECT_EQ(test::PlayedNotesDifferFrom(mid, monitor, play), "");

  const Result r = RunCli({"phrase", "--seed", "7", "--midi-out", "nowhere"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("\"nowhere\" が見つかりません。出力ポート:\n  midi-monitor:input"), std::string::npos) << r.err;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
