#include "midicsv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <tuple>
#include <utility>

namespace dvorlin::testing {
namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, ',');) {
    const size_t first = field.find_first_not_of(' ');
    fields.push_back(first == std::string::npos ? "" : field.substr(first));
  }
  return fields;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const HeardNote& n) {
  return out << "note ch" << n.channel << " key " << n.key << " at " << n.start << " for " << n.length << " v"
             << n.velocity;
}
std::ostream& operator<<(std::ostream& out, const HeardTempo& t) {
  return out << "tempo at " << t.tick << ' ' << t.microsPerQuarter << "us";
}
std::ostream& operator<<(std::ostream& out, const HeardVoice& v) {
  return out << "voice at " << v.tick << " ch" << v.channel << ' ' << v.voice;
}
std::ostream& operator<<(std::ostream& out, const HeardBend& b) {
  return out << "bend at " << b.tick << " ch" << b.channel << ' ' << b.value;
}

HeardFile ReadWithMidicsv(const std::string& path) {
  HeardFile file;
  FILE* pipe = popen(("midicsv '" + path + "' 2>&1").c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run midicsv";
    return file;
  }
  std::string text;
  char chunk[4096];
  for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) text.append(chunk, n);
  const int status = pclose(pipe);
  EXPECT_EQ(status, 0) << "midicsv could not read " << path << ":\n" << text;

  std::map<std::pair<int, int>, std::pair<int, int>> sounding;  // (channel, key) -> (start, velocity)
  std::stringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string> f = Fields(line);
    if (f.size() < 3) continue;
    const int tick = std::stoi(f[1]);
    const std::string& type = f[2];
    auto number = [&](size_t i) { return std::stoi(f.at(i)); };
    const int track = std::stoi(f[0]);
    if (track >= 2 && file.trackNames.size() < static_cast<size_t>(track - 1)) {
      file.trackNames.resize(track - 1);
      file.trackNotes.resize(track - 1);
    }
    if (type == "Header") {
      file.format = number(3), file.tracks = number(4), file.division = number(5);
    } else if (type == "Title_t" && track >= 2) {
      // midicsv quotes the text and doubles a quote inside.
      std::string name = line.substr(line.find('"') + 1);
      name.pop_back();
      file.trackNames[track - 2] = name;
    } else if (type == "End_track") {
      file.trackEnds.push_back(tick);
    } else if (type == "Tempo") {
      file.tempos.push_back({tick, number(3)});
    } else if (type == "Time_signature") {
      file.timeSignature = f[3] + ", " + f[4] + ", " + f[5] + ", " + f[6];
    } else if (type == "Program_c") {
      file.voices.push_back({tick, number(3) + 1, number(4) + 1});
    } else if (type == "Pitch_bend_c") {
      file.bends.push_back({tick, number(3) + 1, number(4) - 8192});
    } else if (type == "Note_on_c" || type == "Note_off_c") {
      const int channel = number(3) + 1;
      const int key = number(4);
      const int velocity = number(5);
      const auto at = sounding.find({channel, key});
      if (type == "Note_on_c" && velocity > 0) {
        if (track >= 2) ++file.trackNotes[track - 2];
        if (at != sounding.end())
          file.faults.push_back("key " + std::to_string(key) + " started again at " + std::to_string(tick));
        sounding[{channel, key}] = {tick, velocity};
      } else if (at == sounding.end()) {
        file.faults.push_back("off without on at " + std::to_string(tick));
      } else {
        file.notes.push_back({channel, key, at->second.first, tick - at->second.first, at->second.second});
        sounding.erase(at);
        file.lastNoteOff = std::max(file.lastNoteOff, tick);
      }
    }
  }
  for (const auto& [channelKey, startVelocity] : sounding)
    file.faults.push_back("key " + std::to_string(channelKey.second) + " never ends");
  std::stable_sort(file.notes.begin(), file.notes.end(), [](const HeardNote& x, const HeardNote& y) {
    return std::tie(x.start, x.channel, x.key) < std::tie(y.start, y.channel, y.key);
  });
  return file;
}

}  // namespace dvorlin::testing
