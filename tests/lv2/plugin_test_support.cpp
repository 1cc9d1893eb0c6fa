#include "plugin_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <tuple>

#include "run_cli.h"

namespace volemo::lv2test {

std::vector<CliNote> CliNotes(uint32_t seed, const std::vector<Setting>& settings, int rerolls,
                              const std::vector<PartOption>& options) {
  std::vector<std::string> args = {"phrase", "--seed", std::to_string(seed)};
  for (const Setting& s : settings) {
    args.push_back("--set");
    args.push_back(std::string(s.control) + "=" + std::to_string(s.value));
  }
  for (const PartOption& o : options) {
    if (!o.option) continue;  // a port of the option before
    args.push_back(o.option);
    args.push_back(o.text);
  }
  for (int i = 0; i < rerolls; ++i) args.push_back("--reroll");
  args.push_back("--notes");
  const Result result = RunCli(args);
  EXPECT_EQ(result.status, 0) << result.err;
  std::vector<CliNote> notes;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    int number = 0, locked = 0;
    std::string name;
    CliNote n{};
    if (fields >> number >> n.start >> n.sounding >> n.key >> name >> locked && n.sounding > 0) {
      fields >> n.part;
      notes.push_back(n);
    }
  }
  EXPECT_FALSE(notes.empty()) << result.out;
  return notes;
}

void Apply(Host& host, const std::vector<Setting>& settings, const std::vector<PartOption>& options) {
  for (const Setting& s : settings) host.Set(s.symbol, static_cast<float>(s.value));
  for (const PartOption& o : options) host.Set(o.symbol, static_cast<float>(o.value));
}

void Prepare(Host& host, uint32_t seed, const std::vector<Setting>& settings, const std::vector<PartOption>& options) {
  host.Set("seed", static_cast<float>(seed));
  Apply(host, settings, options);
  host.Run(kStart, kStart);
}

std::vector<MidiEvent> Expected(const std::vector<CliNote>& notes, int64_t loopTicks, int channel, int velocity,
                                const std::vector<Stretch>& stretches, int64_t until) {
  std::vector<MidiEvent> events;
  for (const Stretch& s : stretches) {
    // The passes over the stretch, unrolled: (start tick, channel, key) ->
    // end tick. A key twice in one chord sounds once, as long as the longer.
    std::map<std::tuple<int64_t, int, int>, int64_t> unrolled;
    for (int64_t pass = s.fromTick / loopTicks * loopTicks; pass < s.toTick; pass += loopTicks)
      for (const CliNote& n : notes)
        if (pass + n.start >= s.fromTick && pass + n.start < s.toTick) {
          int64_t& end = unrolled[{pass + n.start, n.channel ? n.channel : channel, n.key}];
          end = std::max(end, pass + n.start + n.sounding);
        }
    for (auto it = unrolled.begin(); it != unrolled.end(); ++it) {
      const auto [start, ch, key] = it->first;
      int64_t stop = it->second;
      for (auto later = std::next(it); later != unrolled.end() && std::get<0>(later->first) <= stop; ++later)
        if (std::get<1>(later->first) == ch && std::get<2>(later->first) == key) stop = std::get<0>(later->first);
      if (s.cut) stop = std::min(stop, s.toTick);
      const auto on = static_cast<uint8_t>(0x90 | (ch - 1)), off = static_cast<uint8_t>(0x80 | (ch - 1));
      events.push_back({s.frameOf(start), {on, static_cast<uint8_t>(key), static_cast<uint8_t>(std::max(velocity, 1))}});
      events.push_back({s.frameOf(stop), {off, static_cast<uint8_t>(key), 0}});
    }
  }
  return Sorted(events, until);
}

std::vector<MidiEvent> Sorted(std::vector<MidiEvent> events, int64_t until) {
  std::erase_if(events, [until](const MidiEvent& e) { return e.frame >= until; });
  std::sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
    return std::tie(a.frame, a.message) < std::tie(b.frame, b.message);
  });
  return events;
}

std::vector<MidiEvent> NoteOns(const std::vector<MidiEvent>& events) {
  std::vector<MidiEvent> ons;
  std::copy_if(events.begin(), events.end(), std::back_inserter(ons),
               [](const MidiEvent& e) { return (e.message[0] & 0xF0) == 0x90; });
  return ons;
}

std::vector<MidiEvent> WithoutVelocities(std::vector<MidiEvent> events) {
  for (MidiEvent& e : events)
    if ((e.message[0] & 0xF0) == 0x90) e.message[2] = 1;
  return events;
}

Position Rolling(int64_t bar, float barBeat, float beatsPerMinute) {
  return Position{1.0f, beatsPerMinute, bar, barBeat};
}

std::string Describe(const std::vector<MidiEvent>& events) {
  std::ostringstream out;
  for (const MidiEvent& e : events)
    out << e.frame << ": " << std::hex << int(e.message[0]) << ' ' << std::dec << int(e.message[1]) << ' '
        << int(e.message[2]) << '\n';
  return out.str();
}

}  // namespace volemo::lv2test
