// volemo-cli ports and phrase --midi-out against a JACK server and a
// receiving client of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

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
  // A cycle the server missed loses its messages on the way, which no
  // player can help: the play is tried again then, and only then.
  std::string differs;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const size_t first = monitor.Received().size();
    const int missed = monitor.Xruns();
    // A unique part of the port's name is enough.
    const Result r = RunCli({"phrase", "--seed", "7", "--tempo", "240", "--set", "spnCount=8", "--mid", mid,
                             "--midi-out", "monitor"});
    EXPECT_EQ(r.status, 0) << r.err;
    // The monitor may take the last cycle after the player has quit.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!(differs = test::NotesDifferFrom(mid, monitor, first)).empty() && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (differs.empty() || monitor.Xruns() == missed) break;
  }
  EXPECT_EQ(differs, "");

  const Result r = RunCli({"phrase", "--seed", "7", "--midi-out", "nowhere"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("\"nowhere\" が見つかりません。出力ポート:\n  midi-monitor:input"), std::string::npos) << r.err;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
