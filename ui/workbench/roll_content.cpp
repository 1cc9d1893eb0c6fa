#include "roll_content.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace volemo {
namespace {

// Whether the notes and bends are `passes` copies of the first 1/passes of
// the time.
bool IsRepeated(const RollContent& c, uint32_t endTick, int passes) {
  const size_t notes = c.notes.size() / size_t(passes), bends = c.song.bends.size() / size_t(passes);
  const uint32_t pass = endTick / uint32_t(passes);
  for (size_t i = notes; i < c.notes.size(); ++i) {
    RollNote shifted = c.notes[i % notes];
    shifted.start += pass * uint32_t(i / notes);
    if (c.notes[i] != shifted) return false;
  }
  for (size_t i = bends; i < c.song.bends.size(); ++i) {
    const dvorlin::PitchBend& first = c.song.bends[i % bends];
    const dvorlin::PitchBend& b = c.song.bends[i];
    if (b.tick != first.tick + pass * uint32_t(i / bends) || b.value != first.value || b.channel != first.channel)
      return false;
  }
  return notes == 0 || c.notes[notes - 1].start + c.notes[notes - 1].length <= pass;
}

// The most passes the song divides into, each holding minNotes or more.
int CountPasses(const RollContent& c, uint32_t endTick, size_t minNotes) {
  const size_t count = c.notes.size();
  if (count == 0) return 1;
  for (size_t passes = count / std::max<size_t>(minNotes, 1); passes >= 2; --passes)
    if (count % passes == 0 && endTick % passes == 0 && c.song.bends.size() % passes == 0 &&
        IsRepeated(c, endTick, int(passes)))
      return int(passes);
  return 1;
}

}  // namespace

RollContent ReadRoll(std::string_view mml, size_t minNotesPerPass) {
  dvorlin::Performance performance = dvorlin::Perform(mml);
  RollContent content;
  if (!performance.ok()) content.message = dvorlin::FormatDiagnostics(performance.diagnostics);
  content.song = std::move(performance.song);
  const dvorlin::Song& song = content.song;
  content.notes.reserve(song.notes.size() + song.silentNotes.size());
  for (const dvorlin::Note& n : song.notes)
    content.notes.push_back({n.start, n.length, n.channel, n.key, false, 0, n.part, n.velocity});
  for (const dvorlin::Note& n : song.silentNotes)
    content.notes.push_back({n.start, n.length, n.channel, n.key, true, 0, n.part, n.velocity});
  std::stable_sort(content.notes.begin(), content.notes.end(), [](const RollNote& a, const RollNote& b) {
    return std::tie(a.start, a.key) < std::tie(b.start, b.key);
  });
  uint32_t endTick = song.endTick;
  for (const RollNote& n : content.notes) endTick = std::max(endTick, n.start + n.length);
  content.passes = CountPasses(content, endTick, minNotesPerPass);
  content.notes.resize(content.notes.size() / size_t(content.passes));
  content.endTick = endTick / uint32_t(content.passes);
  // One sweep over notes and bends (both in order of time) for the bend
  // each note starts with.
  std::array<int16_t, 16> bend{};
  size_t next = 0;
  for (RollNote& n : content.notes) {
    for (; next < song.bends.size() && song.bends[next].tick <= n.start; ++next)
      bend[song.bends[next].channel & 15] = song.bends[next].value;
    n.bendAtStart = bend[n.channel & 15];
  }
  for (const RollNote& n : content.notes) {
    if (content.highKey < content.lowKey) content.lowKey = content.highKey = n.key;
    content.lowKey = std::min<int>(content.lowKey, n.key);
    content.highKey = std::max<int>(content.highKey, n.key);
  }
  return content;
}

std::vector<int> ChangedNotes(const RollContent& before, const RollContent& after) {
  using Place = std::tuple<uint8_t, uint32_t, uint8_t, uint32_t, uint8_t>;
  const auto placeOf = [](const RollNote& n) { return Place(n.part, n.start, n.key, n.length, n.velocity); };
  std::vector<Place> kept;
  kept.reserve(before.notes.size());
  for (const RollNote& n : before.notes) kept.push_back(placeOf(n));
  std::sort(kept.begin(), kept.end());
  // Each note of before stands for one note of after at most.
  std::vector<bool> used(kept.size(), false);
  std::vector<int> changed;
  for (size_t i = 0; i < after.notes.size(); ++i) {
    const Place place = placeOf(after.notes[i]);
    auto at = std::lower_bound(kept.begin(), kept.end(), place);
    while (at != kept.end() && *at == place && used[size_t(at - kept.begin())]) ++at;
    if (at != kept.end() && *at == place) {
      used[size_t(at - kept.begin())] = true;
    } else {
      changed.push_back(int(i));
    }
  }
  return changed;
}

std::vector<uint8_t> SingleNoteSmf(const RollContent& content, const RollNote& note) {
  dvorlin::Song alone;
  for (const dvorlin::TempoChange& t : content.song.tempos)
    if (t.tick <= note.start || alone.tempos.empty()) alone.tempos.push_back(t);
  for (const dvorlin::ProgramChange& p : content.song.programs)
    if (p.tick <= note.start && p.channel == note.channel) alone.programs.push_back(p);
  alone.notes.push_back({note.start, note.length, note.channel, note.key, 100});
  for (const dvorlin::Note& n : content.song.notes)
    if (n.start == note.start && n.key == note.key && n.channel == note.channel) alone.notes[0].velocity = n.velocity;
  alone.endTick = note.start + note.length;
  return dvorlin::WriteSmf(alone);
}

}  // namespace volemo
