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

// Each run compiles its phrase into memory: two runs at once, each playing
// into a port of its own and rendering a file of its own, never hear or
// render the other's phrase (a shared scratch file gave one the other's).
TEST(PortsCli, RunsAtOnceEachSoundTheirOwnPhrase) {
  test::JackServer server;
  char pattern[] = "/tmp/volemo-ports-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  test::MidiMonitor monitors[2];
  const std::string ports = RunCli({"ports"}).out;
  ASSERT_EQ(ports, "midi-monitor:input\nmidi-monitor-01:input\n");
  const std::string portNames[2] = {"midi-monitor:input", "midi-monitor-01:input"};
  const auto phrase = [](int run) {
    return std::vector<std::string>{"phrase", "--seed", std::to_string(7 + run), "--tempo", "240", "--set",
                                    "spnCount=8"};
  };
  const auto file = [&](int run, const std::string& ext) { return (dir / (std::to_string(run) + ext)).string(); };
  for (int run : {0, 1}) {  // each alone: what it must give
    std::vector<std::string> args = phrase(run);
    args.insert(args.end(), {"--mid", file(run, ".mid"), "--wav", file(run, "-alone.wav")});
    ASSERT_EQ(RunCli(args).status, 0);
  }
  ASSERT_NE(ReadFile(file(0, ".mid")), ReadFile(file(1, ".mid")));

  std::string command;
  for (int run : {0, 1}) {
    std::vector<std::string> args = phrase(run);
    args.insert(args.end(), {"--midi-out", portNames[run], "--wav", file(run, ".wav")});
    command += "('" VOLEMO_CLI "'";
    for (const std::string& a : args) command += " '" + a + "'";
    command += " >/dev/null 2>'" + file(run, ".err") + "'; echo $? >'" + file(run, ".status") + "') & ";
  }
  command += "wait";
  const auto playBoth = [&] {
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (int run : {0, 1}) EXPECT_EQ(ReadFile(file(run, ".status")), "0\n") << ReadFile(file(run, ".err"));
  };
  const std::vector<std::string> differs =
      test::PlayedNotesDifferFrom({{file(0, ".mid"), monitors[0]}, {file(1, ".mid"), monitors[1]}}, playBoth);
  EXPECT_EQ(differs, std::vector<std::string>(2));
  for (int run : {0, 1}) EXPECT_TRUE(ReadFile(file(run, ".wav")) == ReadFile(file(run, "-alone.wav"))) << run;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
