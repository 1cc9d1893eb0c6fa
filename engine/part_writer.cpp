#include "part_writer.h"

#include "mml_tokens.h"

namespace volemo {

PartVoice VoiceOf(std::string_view name, const PartVoicing& voicing, int velocity, int gate) {
  return {name, voicing.channel, voicing.voice, velocity, gate};
}

Phrase WritePart(const PartVoice& voice, const std::vector<PartHit>& hits, const std::vector<int>& keys,
                 int64_t bodyTicks, const PartTime& time) {
  const int64_t bar = BarTicks(time.meter);
  std::string head = "\r\nPart(" + std::string(voice.name) + ")Channel(" + std::to_string(voice.channel) + ");";
  if (voice.voice > 0) head += "Voice(" + std::to_string(voice.voice) + ")";
  head += "\r\nv" + std::to_string(voice.velocity) + "q" + std::to_string(voice.gate) + "[" + std::to_string(time.repeats) + " \r\n";
  std::vector<std::string> texts{head};
  std::vector<PhraseNote> notes;
  texts.reserve(keys.size() + 1);
  notes.reserve(keys.size());
  int64_t now = 0;
  size_t next = 0;
  for (const PartHit& hit : hits) {
    std::string& before = texts.back();
    if (hit.start > now) before += "r" + TicksLength(hit.start - now) + " ";
    if (hit.start > 0 && hit.start % bar == 0) before += kLineEnd;
    if (hit.count > 1) before += "'";
    for (int k = 0; k < hit.count; ++k) {
      PhraseNote note;
      note.startTick = hit.start;
      note.soundingTicks = SoundingTicks(hit.length, voice.gate);
      note.key = keys[next++];
      note.gate = voice.gate;
      note.symbol = hit.count > 1 ? 'W' : 'N';
      notes.push_back(note);
      texts.emplace_back();
    }
    texts.back() += (hit.count > 1 ? "'" : "") + TicksLength(hit.length) + " ";
    now = hit.start + hit.length;
  }
  if (bodyTicks > now) texts.back() += "r" + TicksLength(bodyTicks - now);
  texts.back() += "\r\n]";
  return Phrase(std::move(texts), std::move(notes));
}

}  // namespace volemo
