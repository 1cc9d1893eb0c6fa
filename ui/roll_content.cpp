#include "roll_content.h"

#include <algorithm>
#include <tuple>

namespace volemo {

RollContent ReadRoll(std::string_view mml) {
  dvorlin::Performance performance = dvorlin::Perform(mml);
  RollContent content;
  if (!performance.ok()) content.message = dvorlin::FormatDiagnostics(performance.diagnostics);
  content.song = std::move(performance.song);
  const dvorlin::Song& song = content.song;
  content.notes.reserve(song.notes.size() + song.silentNotes.size());
  for (const dvorlin::Note& n : song.notes)
    content.notes.push_back({n.start, n.length, n.channel, n.key, false});
  for (const dvorlin::Note& n : song.silentNotes)
    content.notes.push_back({n.start, n.length, n.channel, n.key, true});
  std::stable_sort(content.notes.begin(), content.notes.end(), [](const RollNote& a, const RollNote& b) {
    return std::tie(a.start, a.key) < std::tie(b.start, b.key);
  });
  content.endTick = song.endTick;
  for (const RollNote& n : content.notes) {
    content.endTick = std::max(content.endTick, n.start + n.length);
    if (content.highKey < content.lowKey) content.lowKey = content.highKey = n.key;
    content.lowKey = std::min<int>(content.lowKey, n.key);
    content.highKey = std::max<int>(content.highKey, n.key);
  }
  return content;
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

std::string KeyName(int key) {
  static const char* const kNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  return kNames[key % 12] + std::to_string(key / 12);
}

}  // namespace volemo
