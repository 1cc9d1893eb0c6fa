#include "part_writer.h"

#include <optional>

#include "mml_tokens.h"
#include "step_groove.h"

namespace volemo {

PartVoice VoiceOf(std::string_view name, const PartVoicing& voicing, int velocity, int gate) {
  return {name, voicing.channel, voicing.voice, velocity, gate};
}

namespace {

constexpr int64_t kSixteenth = kWholeNoteTicks / 16;

// The melody's groove over a part's sixteenths: swing and humanize move
// where a hit starts and ends, accents and humanize how loud it plays. A
// hit on a bar line only swings: the kick and the root stay on the beat
// the bar starts with, and a part's re-roll finds each note's bar where it
// starts.
class PartGroove {
 public:
  PartGroove(const PartTime& time, const PartVoice& voice, int64_t bodyTicks)
      : bar_(BarTicks(time.meter)),
        steps_(Shaped(time.groove, true), kSixteenth, Sixteenths(bodyTicks), voice.velocity, Seed(time, voice)) {
    if (time.groove.humanizeTime > 0)
      onBars_.emplace(Shaped(time.groove, false), kSixteenth, Sixteenths(bodyTicks), voice.velocity, Seed(time, voice));
  }

  // Where a tick of the straight body sounds: a tick inside a sixteenth
  // keeps its share of it.
  int64_t Tick(int64_t tick) const {
    const GrooveStep step = (tick % bar_ == 0 && onBars_ ? *onBars_ : steps_).At(static_cast<int>(tick / kSixteenth));
    return step.start + tick % kSixteenth * step.length / kSixteenth;
  }
  // The velocity of a hit starting at tick: -1, the part's own.
  int Velocity(int64_t tick) const {
    return tick % kSixteenth == 0 ? steps_.At(static_cast<int>(tick / kSixteenth)).velocity : -1;
  }

 private:
  static int Sixteenths(int64_t ticks) { return static_cast<int>(ticks / kSixteenth); }
  static GrooveSettings Shaped(GrooveSettings groove, bool humanized) {
    if (!humanized) groove.humanizeTime = 0;
    groove.stepProbability = 100;  // a part has its own
    return groove;
  }
  static uint32_t Seed(const PartTime& time, const PartVoice& voice) {
    uint32_t salt = 2166136261u;  // FNV-1a of the name: each part its own draws
    for (char c : voice.name) salt = (salt ^ static_cast<uint8_t>(c)) * 16777619u;
    return time.seed ^ salt;
  }
  int64_t bar_;
  StepGroove steps_;
  std::optional<StepGroove> onBars_;  // without humanized timing: the same as steps_
};

}  // namespace

Phrase WritePart(const PartVoice& voice, const std::vector<PartHit>& hits, const std::vector<int>& keys,
                 int64_t bodyTicks, const PartTime& time) {
  const int64_t bar = BarTicks(time.meter);
  const PartGroove groove(time, voice, bodyTicks);
  int velocity = voice.velocity;
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
    const int64_t start = groove.Tick(hit.start), length = groove.Tick(hit.start + hit.length) - start;
    if (start > now) before += "r" + TicksLength(start - now) + " ";
    if (hit.start > 0 && hit.start % bar == 0) before += kLineEnd;
    if (const int v = groove.Velocity(hit.start); (v >= 0 ? v : voice.velocity) != velocity)
      before += "v" + std::to_string(velocity = v >= 0 ? v : voice.velocity);
    if (hit.count > 1) before += "'";
    for (int k = 0; k < hit.count; ++k) {
      PhraseNote note;
      note.startTick = start;
      note.soundingTicks = SoundingTicks(length, voice.gate);
      note.key = keys[next++];
      note.gate = voice.gate;
      note.symbol = hit.count > 1 ? 'W' : 'N';
      notes.push_back(note);
      texts.emplace_back();
    }
    texts.back() += (hit.count > 1 ? "'" : "") + TicksLength(length) + " ";
    now = start + length;
  }
  if (bodyTicks > now) texts.back() += "r" + TicksLength(bodyTicks - now);
  // The next pass starts at the part's own velocity, as the first did.
  if (velocity != voice.velocity) texts.back() += "v" + std::to_string(voice.velocity);
  texts.back() += "\r\n]";
  return Phrase(std::move(texts), std::move(notes));
}

}  // namespace volemo
