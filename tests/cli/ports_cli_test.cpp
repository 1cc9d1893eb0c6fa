// volemo-cli ports and phrase --midi-out against a JACK server and a
// receiving client of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "midicsv_reader.h"

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


// One play of a bar (seed 7, 16 sixteenths) that follows the JACK
// transport: jack_transport rolls it at 150 bpm (not the phrase's 120)
// for half a bar, stops it for a while, rolls it on. Empty when nothing
// came before the start; every note came within one period of where the
// transport put it; the notes sounding at the stop ended in its cycle and
// nothing came while it stood; and the program ended once the transport
// had passed the phrase.
std::string FollowedTransportDiffers(const std::string& mid, const test::MidiMonitor& monitor) {
  using namespace std::chrono_literals;
  const size_t first = monitor.Received().size();
  test::Child transport({"jack_transport"});
  transport.Say("master");
  transport.Say("tempo 150");
  transport.Say("locate 0");
  test::TransportWatch watch;
  Result played{-1, {}, {}};
  std::thread cli([&] {
    played = RunCli({"phrase", "--seed", "7", "--set", "spnCount=16", "--mid", mid, "--midi-out", "monitor",
                     "--follow-transport"});
  });
  std::this_thread::sleep_for(1s);
  const bool early = monitor.Received().size() != first;
  transport.Say("play");
  std::this_thread::sleep_for(800ms);
  transport.Say("stop");
  std::this_thread::sleep_for(500ms);
  transport.Say("play");
  cli.join();  // the phrase's bar lasts 1.6 s at 150
  transport.Say("stop");
  if (played.status != 0) return "volemo-cli: " + played.err;
  if (early) return "a message before the transport rolled";
  const int64_t origin = watch.Origin(0), stop = watch.Stop(0), again = watch.Origin(1), period = watch.Period();
  if (origin < 0 || stop < 0 || again < 0) return "the transport did not start, stop and start again";

  const dvorlin::testing::HeardFile file = dvorlin::testing::ReadWithMidicsv(mid);
  const double framesPerTick = monitor.Rate() * 60 / (150.0 * file.division);
  const int64_t stopped = stop - origin;  // the transport's frame where it stood
  // The server's frame where the transport's frame f came: before the stop
  // on the first roll, after it on the second.
  const auto at = [&](int64_t f) { return (f < stopped ? origin : again) + f; };
  struct Due {
    int64_t frame;
    int kind, key;
  };
  std::vector<Due> due;
  for (const auto& n : file.notes) {
    const int64_t on = std::llround(n.start * framesPerTick), off = std::llround((n.start + n.length) * framesPerTick);
    due.push_back({at(on), 0x90, n.key});
    due.push_back({on < stopped && off > stopped ? stop : at(off), 0x80, n.key});
  }
  std::vector<test::MidiMonitor::Message> heard;
  const std::vector<test::MidiMonitor::Message> received = monitor.Received();
  for (size_t i = first; i < received.size(); ++i)
    if ((received[i].bytes[0] & 0xE0) == 0x80) heard.push_back(received[i]);
  for (const auto& m : heard) {
    if (m.frame > stop + period && m.frame < again) return "a message while the transport stood";
    const auto match = std::find_if(due.begin(), due.end(), [&](const Due& d) {
      return d.kind == (m.bytes[0] & 0xF0) && d.key == m.bytes[1] && std::abs(d.frame - int64_t(m.frame)) <= period;
    });
    if (match == due.end())
      return "key " + std::to_string(m.bytes[1]) + (m.bytes[0] >= 0x90 ? " on" : " off") + " at " +
             std::to_string(m.frame - origin) + " was not due";
    due.erase(match);
  }
  if (!due.empty()) return std::to_string(due.size()) + " note messages did not come, the first at " + std::to_string(due.front().frame - origin);
  return {};
}

TEST(PortsCli, APhraseFollowsTheJackTransportStartingStoppingAndGoingOnWithIt) {
  test::JackServer server;
  char pattern[] = "/tmp/volemo-ports-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  test::MidiMonitor monitor;
  std::string differs, tries;
  // A cycle the server missed loses its messages: tried again then only.
  for (int attempt = 0; attempt < test::MidiMonitor::kTries; ++attempt) {
    const int missed = monitor.Xruns();
    differs = FollowedTransportDiffers((dir / "p.mid").string(), monitor);
    tries += "try " + std::to_string(attempt + 1) + ": " + (differs.empty() ? "as due" : differs) + ", " +
             std::to_string(monitor.Xruns() - missed) + " cycles missed\n";
    if (differs.empty() || monitor.Xruns() == missed) break;
  }
  EXPECT_EQ(differs, "") << tries;
  fs::remove_all(dir);
}

// MIDI clock with a phrase of 8 sixteenths at 240 bpm: a start before
// anything else, 24 clocks a quarter note (one every 500 frames at 48 kHz)
// up to the phrase's end, and a stop after its last note.
std::string ClockDiffers(const std::string& mid, const std::vector<test::MidiMonitor::Message>& heard) {
  const dvorlin::testing::HeardFile file = dvorlin::testing::ReadWithMidicsv(mid);
  const int end = *std::max_element(file.trackEnds.begin(), file.trackEnds.end());
  const size_t due = static_cast<size_t>((end * 24 + file.division - 1) / file.division);
  if (heard.empty() || heard.front().bytes[0] != 0xFA) return "the first message is not a start";
  if (heard.back().bytes[0] != 0xFC) return "the last message is not a stop";
  std::vector<int64_t> clocks;
  for (const auto& m : heard)
    if (m.bytes[0] == 0xF8) clocks.push_back(m.frame);
  const double framesPerClock = 48000.0 * 60 / 240 / 24;
  for (size_t k = 0; k < clocks.size(); ++k)
    if (std::abs(clocks[k] - int64_t(heard.front().frame) - std::llround(k * framesPerClock)) > 1)
      return "clock " + std::to_string(k) + " at " + std::to_string(clocks[k] - heard.front().frame);
  if (clocks.size() != due) return std::to_string(clocks.size()) + " clocks, " + std::to_string(due) + " due";
  return {};
}

TEST(PortsCli, MidiClockRunsWithThePhraseAtItsTempo) {
  test::JackServer server;
  char pattern[] = "/tmp/volemo-ports-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const std::string mid = (dir / "p.mid").string();
  test::MidiMonitor monitor;
  std::string differs, tries;
  for (int attempt = 0; attempt < test::MidiMonitor::kTries; ++attempt) {
    const int missed = monitor.Xruns();
    const size_t first = monitor.Received().size();
    const Result r = RunCli({"phrase", "--seed", "7", "--tempo", "240", "--set", "spnCount=8", "--mid", mid,
                             "--midi-out", "monitor", "--midi-clock"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<test::MidiMonitor::Message> heard;
    for (int wait = 0; wait < 100 && (heard.empty() || heard.back().bytes[0] != 0xFC); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      const auto received = monitor.Received();
      heard.assign(received.begin() + static_cast<ptrdiff_t>(first), received.end());
    }
    differs = ClockDiffers(mid, heard);
    tries += "try " + std::to_string(attempt + 1) + ": " + (differs.empty() ? "as due" : differs) + ", " +
             std::to_string(monitor.Xruns() - missed) + " cycles missed\n";
    if (differs.empty() || monitor.Xruns() == missed) break;
  }
  EXPECT_EQ(differs, "") << tries;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
