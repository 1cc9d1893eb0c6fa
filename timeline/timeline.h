// A phrase on a transport's timeline: the plugin's host's, or JACK's for
// the program's port output. The transport tells where it stands at frames
// of a block; between those reports the position runs on at the tempo last
// told. A note sounds at the first frame at which the transport has reached
// its tick, the phrase looping over whole bars from the bar it took over at
// (or playing once, from there). Real-time safe: nothing here allocates,
// locks or waits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace volemo::timeline {

struct LoopEvent {
  uint32_t tick = 0;    // from the start of the pass, 480 a quarter note
  uint32_t length = 0;  // a note-on's sounding ticks; 0 for other messages
  std::array<uint8_t, 3> message{};
  uint8_t size = 3;  // 2 for a program change or channel pressure
};

// One pass of a phrase, its events in order of tick. Whoever made one owns
// it, also through a pointer to this base.
struct LoopEvents {
  virtual ~LoopEvents() = default;
  int64_t passTicks = 0;
  std::vector<LoopEvent> events;
};

class MidiSink {
 public:
  virtual ~MidiSink() = default;
  // frame: within the block; size: message's bytes that count. False when
  // there is no room left.
  virtual bool Write(uint32_t frame, const std::array<uint8_t, 3>& message, uint8_t size) = 0;
};

// What one time:Position message held; a host leaves out what it does not
// know.
struct TransportReport {
  std::optional<double> speed;
  std::optional<double> beatsPerMinute;
  std::optional<double> beatsPerBar;
  std::optional<int32_t> beatUnit;
  std::optional<int64_t> bar;
  std::optional<double> barBeat;
  std::optional<int64_t> frame;  // the transport's own frame
};

class Timeline {
 public:
  explicit Timeline(double sampleRate) : sampleRate_(sampleRate) {}

  // Stopped at the start of the timeline, nothing sounding; the phrases
  // stay.
  void Reset();
  // Off: the phrase plays its first pass alone. On at first.
  void SetLoop(bool loop) { loop_ = loop; }
  // Not looping, the transport has passed the first pass's end and nothing
  // sounds.
  bool Ended() const;

  // Plays phrase from bar 0 at once; returns the phrases it replaces (the
  // one playing, the one waiting and one retired), for the caller to free.
  std::array<const LoopEvents*, 3> Replace(const LoopEvents* phrase);
  // phrase takes over at the next bar line; returns the phrase that was
  // waiting for it, if any, for the caller to free.
  const LoopEvents* Queue(const LoopEvents* phrase);
  // A phrase that a queued one replaced in the last block, once.
  const LoopEvents* TakeRetired();
  // The phrase the listener hears last: the waiting one, else the playing.
  const LoopEvents* Latest() const { return pending_ ? pending_ : current_; }

  // The frames [from, to) of the block; then the report at frame to, if
  // any; EndBlock after the last.
  void Play(uint32_t from, uint32_t to, MidiSink& sink);
  void Report(uint32_t frame, const TransportReport& report, MidiSink& sink);
  void EndBlock(uint32_t frames) { blockStart_ += frames; }

 private:
  struct Sounding {
    double endTick;
    uint8_t status;  // note-off with the note's channel
    uint8_t key;
  };

  double TicksPerBeat() const { return 1920.0 / beatUnit_; }
  double BarTicks() const { return beatsPerBar_ * TicksPerBeat(); }
  double LoopTicks() const;
  double TicksAt(int64_t frame) const;
  int64_t FrameOf(double tick) const;
  int64_t NextBarLine(int64_t frame) const;
  void Render(uint32_t from, uint32_t to, MidiSink& sink);
  void StartNote(int64_t frame, double tick, const LoopEvent& event, MidiSink& sink);
  void EndAll(uint32_t frame, MidiSink& sink);
  void EndBefore(double tick, uint32_t frame, MidiSink& sink);
  void Send(int64_t frame, const std::array<uint8_t, 3>& message, MidiSink& sink, uint8_t size = 3);
  void TakeOver(int64_t bar);

  const double sampleRate_;
  bool loop_ = true;
  // Transport: the position anchorTicks_ (ticks of 480 a quarter from bar
  // 0, beat 0) at frame anchorFrame_, counted from the first block.
  bool rolling_ = false;
  double speed_ = 0;
  double beatsPerMinute_ = 120;
  double beatsPerBar_ = 4;
  int32_t beatUnit_ = 4;
  int64_t blockStart_ = 0;
  int64_t anchorFrame_ = 0;
  double anchorTicks_ = 0;
  double ticksPerFrame_ = 0;  // 0 while stopped
  double framesPerTick_ = 0;

  const LoopEvents* current_ = nullptr;
  const LoopEvents* pending_ = nullptr;
  const LoopEvents* retired_ = nullptr;
  int64_t phraseBar_ = 0;  // the bar the playing phrase's first pass started at

  // One channel's keys never overlap in a phrase; two phrases, two channels.
  std::array<Sounding, 256> sounding_{};
  uint32_t soundingCount_ = 0;
};

}  // namespace volemo::timeline
