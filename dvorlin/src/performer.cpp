#include "performer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "messages.h"

namespace dvorlin {
namespace {

constexpr int kMaxEvents = 1'000'000;
constexpr int64_t kMaxMicros = int64_t{24} * 60 * 60 * 1'000'000;
// Instructions run, each pass of a repeat counted again: enough for a
// million events, and a bound on repeats that make none
// ("[9999[9999[9999 v1]]]").
constexpr int64_t kMaxSteps = 20'000'000;
// A sweep moves the bend every two ticks (about 2 ms at tempo 120).
constexpr int64_t kSweepStepTicks = 2;
constexpr int kChannels = 16;

// A note as written: its gate applies to the whole length, ties included,
// so the sounding length is known only at the end.
struct WrittenNote {
  uint32_t start;
  uint32_t length;  // ticks fit in 32 bits: see Advance
  uint8_t channel;
  uint8_t key;
  uint8_t velocity;
  uint8_t gate;
};

struct OpenRepeat {
  size_t begin;
  int32_t passesLeft;
};

class Performer {
 public:
  Performer(const Program& program, std::string_view mml, Reporter& reporter)
      : code_(program.code), partNames_(program.partNames), mml_(mml), reporter_(reporter) {
    tempos_.push_back({0, MicrosPerQuarter()});
    lastTick_ = LastTickInTime();
    notes_.reserve(program.notes);
  }

  Song Run() {
    for (size_t i = 0; i < code_.size(); ++i) {
      if (++steps_ > kMaxSteps) {
        Fail(code_[i], [] { return msg::TooMuchWork(kMaxSteps); }, true);
        break;
      }
      if (!Execute(i)) break;
    }
    return Finish();
  }

 private:
  // Runs code_[i]; may move i for repeats. False after reporting a mistake.
  bool Execute(size_t& i) {
    const Instr& in = code_[i];
    switch (in.op) {
      case Op::Note: {
        const int64_t key = int64_t{octave_} * 12 + in.a;
        if (key < 0 || key > 127)
          return Fail(in, [&] { return msg::KeyOutOfRange(Token(in), octave_, key); });
        if (inChord_) return AddNote(in, key, chordLength_);
        const int64_t length = ItemLength(in);
        tieFirst_ = notes_.size();
        if (!AddNote(in, key, length)) return false;
        tieLast_ = notes_.size();
        return Advance(in, length);
      }
      case Op::Rest: {
        const int64_t length = ItemLength(in);
        tieFirst_ = tieLast_ = notes_.size();
        return Advance(in, length);
      }
      case Op::Tie: {
        const int64_t length = ItemLength(in);
        for (size_t k = tieFirst_; k < tieLast_; ++k) notes_[k].length += static_cast<uint32_t>(length);
        return Advance(in, length);
      }
      case Op::ChordBegin:
        chordLength_ = ItemLength(in);
        inChord_ = true;
        tieFirst_ = notes_.size();
        return true;
      case Op::ChordEnd:
        inChord_ = false;
        tieLast_ = notes_.size();
        return Advance(in, chordLength_);
      case Op::DivBegin: {
        const int64_t length = ItemLength(in);
        divShare_ = length / in.a;
        divRemainder_ = length % in.a;
        if (divShare_ == 0)
          return Fail(in, [&] { return msg::DivTooShort(Token(in), length, in.a); });
        divLeft_ = in.a;
        return true;
      }
      case Op::DefaultLength: defaultLength_ = in.a; return true;
      case Op::Octave: octave_ = in.a; return true;
      case Op::OctaveUp: ++octave_; return true;
      case Op::OctaveDown: --octave_; return true;
      case Op::Velocity: velocity_ = static_cast<uint8_t>(in.a); return true;
      case Op::Gate: gate_ = static_cast<uint8_t>(in.a); return true;
      case Op::Channel: channel_ = static_cast<uint8_t>(in.a); return true;
      case Op::Tempo:
        if (!CountEvents(in, 1)) return false;
        tempoMicros_ = MicrosAt(now_);
        tempoTick_ = now_;
        bpm_ = in.a;
        lastTick_ = LastTickInTime();
        if (!parts_.empty()) {
          // Merged by time when the parts are done.
          partTempos_.push_back({static_cast<uint32_t>(now_), MicrosPerQuarter()});
          return true;
        }
        if (tempos_.back().tick == now_) tempos_.pop_back();
        tempos_.push_back({static_cast<uint32_t>(now_), MicrosPerQuarter()});
        return true;
      case Op::Meter:
        if (!CountEvents(in, 1)) return false;
        if (!meters_.empty() && meters_.back().tick == now_) meters_.pop_back();
        meters_.push_back({static_cast<uint32_t>(now_), static_cast<uint8_t>(in.a), static_cast<uint8_t>(in.b)});
        return true;
      case Op::Program:
        if (!CountEvents(in, 1)) return false;
        programs_.push_back({static_cast<uint32_t>(now_), channel_, static_cast<uint8_t>(in.a), part_});
        return true;
      case Op::Bend:
        if (!CountEvents(in, 1)) return false;
        StartBend();
        bends_[channel_].push_back({static_cast<uint32_t>(now_), channel_, static_cast<int16_t>(in.a), part_});
        return true;
      case Op::BendSweep: return Sweep(in);
      case Op::RepeatBegin: repeats_.push_back({i, in.a}); return true;
      case Op::RepeatBreak:
        if (repeats_.back().passesLeft == 1) {
          i = static_cast<size_t>(code_[repeats_.back().begin].b);
          repeats_.pop_back();
        }
        return true;
      case Op::RepeatEnd:
        if (--repeats_.back().passesLeft > 0) {
          i = repeats_.back().begin;
        } else {
          repeats_.pop_back();
        }
        return true;
      case Op::Part: StartPart(in); return true;
    }
    return true;
  }

  // A part starts at time zero with the state of a text's start. Its
  // tempos go into the one tempo map; its bends are its own, so that a
  // bend of this part never cuts a sweep of another short.
  void StartPart(const Instr& in) {
    parts_.push_back({notes_.size(), now_, &in});
    for (auto& bends : bends_) {
      earlierBends_.insert(earlierBends_.end(), bends.begin(), bends.end());
      bends.clear();
    }
    part_ = static_cast<uint8_t>(in.a);
    now_ = 0;
    tempoTick_ = tempoMicros_ = 0;
    bpm_ = 120;
    lastTick_ = LastTickInTime();
    octave_ = 5;
    defaultLength_ = kTicksPerQuarter;
    velocity_ = 100;
    gate_ = 100;
    channel_ = 0;
    tieFirst_ = tieLast_ = notes_.size();
  }

  // The length an item takes: its share inside a Div, else its own or the
  // default.
  int64_t ItemLength(const Instr& in) {
    if (divLeft_ > 0) {
      --divLeft_;
      return divShare_ + (divLeft_ == 0 ? divRemainder_ : 0);
    }
    if (in.ticks > 0) return in.ticks;
    return in.dots == 0 ? defaultLength_ : DottedTicks(defaultLength_, 1, in.dots);
  }

  bool AddNote(const Instr& in, int64_t key, int64_t length) {
    if (gate_ == 0) {
      // Kept (for ties to lengthen) without counting as events: they are
      // never written to the file.
      if (silentCount_ < kMaxEvents) {
        ++silentCount_;
        notes_.push_back({static_cast<uint32_t>(now_), static_cast<uint32_t>(length), channel_,
                          static_cast<uint8_t>(key), 0, 0});
      }
      return true;
    }
    if (!CountEvents(in, 2)) return false;
    notes_.push_back({static_cast<uint32_t>(now_), static_cast<uint32_t>(length), channel_, static_cast<uint8_t>(key),
                      velocity_, gate_});
    return true;
  }

  // Time is bounded by the clock, not by ticks: at tempo 999 a tick lasts
  // about 125 microseconds, so 24 hours (the end of a sweep too) stay below
  // 700 million ticks, well within 32 bits. The file splits delta times
  // longer than four bytes hold.
  bool Advance(const Instr& in, int64_t ticks) {
    now_ += ticks;
    if (now_ > lastTick_) return Fail(in, [] { return msg::TooLong(); }, true);
    return true;
  }

  // The time of a tick at or after the last tempo change: 60,000,000 /
  // (480 * bpm) microseconds a tick, rounded once per tempo.
  int64_t MicrosAt(int64_t tick) const { return tempoMicros_ + (tick - tempoTick_) * 125'000 / bpm_; }

  // The last tick within 24 hours at the current tempo, found once per
  // tempo so that time moves on without a division. A tick lasts at least
  // 125 microseconds, so the first guess is at most one short.
  int64_t LastTickInTime() const {
    int64_t tick = tempoTick_ + (kMaxMicros - tempoMicros_) * bpm_ / 125'000;
    while (MicrosAt(tick + 1) <= kMaxMicros) ++tick;
    return tick;
  }

  bool CountEvents(const Instr& in, int count) {
    events_ += count;
    if (events_ > kMaxEvents) return Fail(in, [] { return msg::TooManyEvents(kMaxEvents); }, true);
    return true;
  }

  // A new bend takes over from a sweep still running on the channel: the
  // sweep's steps from now on are dropped. A channel's bends stay in order
  // of time.
  void StartBend() {
    auto& bends = bends_[channel_];
    while (!bends.empty() && bends.back().tick >= now_) bends.pop_back();
  }

  // In even steps from a to b, the last exactly at b, one length from now;
  // time does not move.
  bool Sweep(const Instr& in) {
    const int64_t length = in.ticks;
    if (now_ + length > lastTick_) return Fail(in, [] { return msg::TooLong(); }, true);
    const int64_t distance = in.b - in.a;
    const int64_t steps = std::min<int64_t>(std::abs(distance), std::max<int64_t>(1, length / kSweepStepTicks));
    if (!CountEvents(in, static_cast<int>(steps + 1))) return false;
    StartBend();
    auto& bends = bends_[channel_];
    for (int64_t k = 0; k <= steps; ++k) {
      const int64_t tick = steps == 0 ? now_ : now_ + length * k / steps;
      const int64_t value = steps == 0 ? in.a : in.a + distance * k / steps;
      bends.push_back({static_cast<uint32_t>(tick), channel_, static_cast<int16_t>(value), part_});
    }
    return true;
  }

  uint32_t MicrosPerQuarter() const { return static_cast<uint32_t>(60'000'000 / bpm_); }

  std::string_view Token(const Instr& in) const { return mml_.substr(in.pos, in.size); }

  // A limit is reached by a repeat as a whole; it is named at the
  // outermost one running, not at the note that happened to cross it.
  template <class MakeMessage>
  bool Fail(const Instr& in, MakeMessage&& make, bool limit = false) {
    const Instr& at = limit && !repeats_.empty() ? code_[repeats_.front().begin] : in;
    reporter_.Report(at.pos, std::forward<MakeMessage>(make));
    return false;
  }

  Song Finish() {
    Song song;
    song.tempos = std::move(tempos_);
    song.meters = std::move(meters_);
    song.programs = std::move(programs_);
    int64_t end = now_;
    song.bends = std::move(earlierBends_);
    for (const PartStart& part : parts_) end = std::max(end, part.endOfBefore);
    for (const PitchBend& bend : song.bends) end = std::max<int64_t>(end, bend.tick);
    for (const auto& bends : bends_) {
      song.bends.insert(song.bends.end(), bends.begin(), bends.end());
      if (!bends.empty()) end = std::max<int64_t>(end, bends.back().tick);
    }
    std::stable_sort(song.bends.begin(), song.bends.end(),
                     [](const PitchBend& x, const PitchBend& y) { return x.tick < y.tick; });

    // Gate, then one key of one channel never sounding twice at once (a
    // chord naming a key twice): the earlier note ends where the later
    // starts; two starting together are one.
    std::vector<int32_t> lastOfKey(kChannels * 128, -1);
    song.notes.reserve(notes_.size());
    const auto take = [&](const WrittenNote& w, uint8_t part) {
      if (w.gate == 0) {
        song.silentNotes.push_back({w.start, w.length, w.channel, w.key, 0, part});
        return;
      }
      // Built in its place: a copy from the stack would read it back
      // before its bytes reached the cache.
      Note& note = song.notes.emplace_back(Note{
          w.start, static_cast<uint32_t>(std::max<int64_t>(1, int64_t{w.length} * w.gate / 100)), w.channel, w.key,
          w.velocity, part});
      int32_t& last = lastOfKey[w.channel * 128 + w.key];
      if (last >= 0) {
        Note& before = song.notes[last];
        if (before.start + before.length > note.start) {
          if (before.start == note.start) {
            note.length = std::max(note.length, before.length);
            before.length = 0;
          } else {
            before.length = note.start - before.start;
          }
        }
      }
      last = static_cast<int32_t>(song.notes.size() - 1);
      end = std::max<int64_t>(end, int64_t{note.start} + note.length);
    };
    if (parts_.empty()) {
      for (const WrittenNote& w : notes_) take(w, 0);
    } else {
      TakeInOrderOfStart(take);
      MergePartTempos(song);
      std::stable_sort(song.programs.begin(), song.programs.end(),
                       [](const ProgramChange& x, const ProgramChange& y) { return x.tick < y.tick; });
      song.parts.assign(partNames_.begin(), partNames_.end());
    }
    std::erase_if(song.notes, [](const Note& n) { return n.length == 0; });
    song.endTick = static_cast<uint32_t>(end);
    if (!parts_.empty()) CheckLengthOfParts(song);
    return song;
  }

  // Each part's time starts again at zero: the notes of all parts are taken
  // in order of start, each with its part.
  template <class Take>
  void TakeInOrderOfStart(Take& take) {
    std::vector<std::pair<uint32_t, uint8_t>> order;  // note index, part
    order.reserve(notes_.size());
    uint8_t part = 0;
    for (size_t i = 0, next = 0; i < notes_.size(); ++i) {
      while (next < parts_.size() && parts_[next].firstNote <= i) part = static_cast<uint8_t>(parts_[next++].at->a);
      order.push_back({static_cast<uint32_t>(i), part});
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](const auto& x, const auto& y) { return notes_[x.first].start < notes_[y.first].start; });
    for (const auto& [i, p] : order) take(notes_[i], p);
  }

  // Every part's tempos in one map, in order of time; at one tick the last
  // part's (and within it the last) holds.
  void MergePartTempos(Song& song) {
    std::vector<TempoChange>& tempos = song.tempos;
    tempos.insert(tempos.end(), partTempos_.begin(), partTempos_.end());
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& x, const TempoChange& y) { return x.tick < y.tick; });
    std::vector<TempoChange> merged;
    for (const TempoChange& t : tempos) {
      if (!merged.empty() && merged.back().tick == t.tick) merged.pop_back();
      merged.push_back(t);
    }
    tempos = std::move(merged);
  }

  // Each part kept to 24 hours by its own tempos; the merged map may make
  // the whole longer. Reported at the last Part command.
  void CheckLengthOfParts(const Song& song) {
    int64_t micros = 0;
    for (size_t k = 0; k < song.tempos.size(); ++k) {
      const TempoChange& t = song.tempos[k];
      if (t.tick >= song.endTick) break;
      const uint32_t until = k + 1 < song.tempos.size() ? std::min(song.tempos[k + 1].tick, song.endTick) : song.endTick;
      micros += int64_t{until - t.tick} * t.microsPerQuarter / kTicksPerQuarter;
    }
    if (micros > kMaxMicros) reporter_.Report(parts_.back().at->pos, [] { return msg::TooLong(); });
  }

  struct PartStart {
    size_t firstNote;      // of notes_
    int64_t endOfBefore;   // the time the part before ended
    const Instr* at;       // its Part command
  };

  const std::vector<Instr>& code_;
  const std::vector<std::string_view>& partNames_;
  std::string_view mml_;
  Reporter& reporter_;

  int64_t now_ = 0;
  int64_t tempoTick_ = 0;  // where the tempo last changed
  int64_t tempoMicros_ = 0;
  int64_t lastTick_ = 0;  // see LastTickInTime
  int64_t steps_ = 0;
  int events_ = 0;
  int silentCount_ = 0;
  int32_t bpm_ = 120;
  int32_t octave_ = 5;
  int32_t defaultLength_ = kTicksPerQuarter;
  uint8_t velocity_ = 100;
  uint8_t gate_ = 100;
  uint8_t channel_ = 0;

  // What a tie lengthens: the notes of the last note or chord (none after a
  // rest).
  size_t tieFirst_ = 0;
  size_t tieLast_ = 0;
  bool inChord_ = false;
  int64_t chordLength_ = 0;
  int32_t divLeft_ = 0;
  int64_t divShare_ = 0;
  int64_t divRemainder_ = 0;
  std::vector<OpenRepeat> repeats_;

  uint8_t part_ = 0;
  std::vector<PartStart> parts_;
  std::vector<TempoChange> partTempos_;  // set in the parts after part 0
  std::vector<PitchBend> earlierBends_;  // of the parts before this one

  std::vector<WrittenNote> notes_;
  std::vector<TempoChange> tempos_;
  std::vector<TimeSignature> meters_;
  std::vector<ProgramChange> programs_;
  std::array<std::vector<PitchBend>, kChannels> bends_;
};

}  // namespace

Song PerformProgram(const Program& program, std::string_view mml, Reporter& reporter) {
  return Performer(program, mml, reporter).Run();
}

}  // namespace dvorlin
