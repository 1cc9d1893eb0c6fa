#include "timeline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace volemo::timeline {
namespace {

// Frames and ticks are compared after arithmetic in doubles: a tick that
// falls on a frame exactly must not slip to the next one.
constexpr double kEpsilon = 1e-6;
// A report more than this far from where the transport should stand is a
// relocation; nearer, it is the same position told again (hosts send the
// beat in single precision).
constexpr double kJumpTicks = 1.0;

}  // namespace

void Timeline::Reset() {
  rolling_ = false;
  speed_ = 0;
  blockStart_ = anchorFrame_ = 0;
  anchorTicks_ = ticksPerFrame_ = framesPerTick_ = 0;
  soundingCount_ = 0;
}

std::array<const LoopEvents*, 3> Timeline::Replace(const LoopEvents* phrase) {
  const std::array<const LoopEvents*, 3> old = {current_, pending_, retired_};
  current_ = phrase;
  pending_ = retired_ = nullptr;
  phraseBar_ = 0;
  return old;
}

const LoopEvents* Timeline::Queue(const LoopEvents* phrase) {
  return std::exchange(pending_, phrase);
}

const LoopEvents* Timeline::TakeRetired() { return std::exchange(retired_, nullptr); }

bool Timeline::Ended() const {
  if (loop_ || soundingCount_ > 0) return false;
  const double end = static_cast<double>(phraseBar_) * BarTicks() + (current_ ? current_->passTicks : 0);
  return TicksAt(blockStart_) >= end - kEpsilon;
}

double Timeline::LoopTicks() const {
  const double bar = BarTicks();
  const double bars = current_ ? std::ceil(current_->passTicks / bar - kEpsilon) : 1;
  return std::max(bars, 1.0) * bar;
}

double Timeline::TicksAt(int64_t frame) const {
  return anchorTicks_ + static_cast<double>(frame - anchorFrame_) * ticksPerFrame_;
}

int64_t Timeline::FrameOf(double tick) const {
  return anchorFrame_ + static_cast<int64_t>(std::ceil((tick - anchorTicks_) * framesPerTick_ - kEpsilon));
}

int64_t Timeline::NextBarLine(int64_t frame) const {
  return static_cast<int64_t>(std::ceil(TicksAt(frame) / BarTicks() - kEpsilon));
}

void Timeline::TakeOver(int64_t bar) {
  retired_ = current_;
  current_ = std::exchange(pending_, nullptr);
  phraseBar_ = bar;
}

void Timeline::Send(int64_t frame, const std::array<uint8_t, 3>& message, MidiSink& sink, uint8_t size) {
  sink.Write(static_cast<uint32_t>(frame - blockStart_), message, size);
}

void Timeline::EndAll(uint32_t frame, MidiSink& sink) {
  for (uint32_t i = 0; i < soundingCount_; ++i)
    Send(blockStart_ + frame, {sounding_[i].status, sounding_[i].key, 0}, sink);
  soundingCount_ = 0;
}

void Timeline::EndBefore(double tick, uint32_t frame, MidiSink& sink) {
  for (uint32_t i = 0; i < soundingCount_;) {
    if (sounding_[i].endTick <= tick) {
      Send(blockStart_ + frame, {sounding_[i].status, sounding_[i].key, 0}, sink);
      sounding_[i] = sounding_[--soundingCount_];
    } else {
      ++i;
    }
  }
}

void Timeline::Report(uint32_t frame, const TransportReport& report, MidiSink& sink) {
  const int64_t at = blockStart_ + frame;
  const double expected = TicksAt(at);
  if (report.beatsPerBar && *report.beatsPerBar > 0) beatsPerBar_ = *report.beatsPerBar;
  if (report.beatUnit && *report.beatUnit > 0) beatUnit_ = *report.beatUnit;
  if (report.beatsPerMinute && *report.beatsPerMinute > 0) beatsPerMinute_ = *report.beatsPerMinute;

  // Where the host says it stands: its bar and beat, or else its frame at
  // the tempo it tells.
  std::optional<double> told;
  if (report.bar && report.barBeat)
    told = (static_cast<double>(*report.bar) * beatsPerBar_ + *report.barBeat) * TicksPerBeat();
  else if (report.frame)
    told = static_cast<double>(*report.frame) / sampleRate_ * beatsPerMinute_ / 60 * TicksPerBeat();
  const bool jump = told && std::abs(*told - expected) > kJumpTicks;
  // Back, every note ends. Forward, as when the host skipped cycles, the
  // notes that would still sound there sound on.
  if (jump && *told < expected) EndAll(frame, sink);
  if (jump && *told > expected) EndBefore(*told, frame, sink);
  anchorTicks_ = jump ? *told : expected;
  anchorFrame_ = at;

  if (report.speed) speed_ = *report.speed;
  const bool wasRolling = rolling_;
  rolling_ = speed_ > 0;
  if (wasRolling && !rolling_) EndAll(frame, sink);
  ticksPerFrame_ = rolling_ ? beatsPerMinute_ * speed_ / 60 * TicksPerBeat() / sampleRate_ : 0;
  framesPerTick_ = rolling_ ? sampleRate_ * 60 / (beatsPerMinute_ * speed_ * TicksPerBeat()) : 0;
}

void Timeline::Play(uint32_t from, uint32_t to, MidiSink& sink) {
  if (from >= to) return;
  if (!rolling_) {
    if (pending_) TakeOver(NextBarLine(blockStart_ + from));
    return;
  }
  while (pending_) {
    const int64_t bar = NextBarLine(blockStart_ + from);
    const int64_t line = std::max(FrameOf(bar * BarTicks()), blockStart_ + from);
    if (line >= blockStart_ + to) break;
    Render(from, static_cast<uint32_t>(line - blockStart_), sink);
    TakeOver(bar);
    from = static_cast<uint32_t>(line - blockStart_);
  }
  Render(from, to, sink);
}

void Timeline::StartNote(int64_t frame, double tick, const LoopEvent& event, MidiSink& sink) {
  const uint8_t off = static_cast<uint8_t>(0x80 | (event.message[0] & 0x0F));
  const uint8_t key = event.message[1];
  // A key still sounding from the pass before (or the phrase before) ends
  // where it starts again.
  for (uint32_t i = 0; i < soundingCount_; ++i) {
    if (sounding_[i].status == off && sounding_[i].key == key) {
      Send(frame, {off, key, 0}, sink);
      sounding_[i] = sounding_[--soundingCount_];
      break;
    }
  }
  if (soundingCount_ == sounding_.size()) return;
  Send(frame, event.message, sink);
  sounding_[soundingCount_++] = {tick + event.length, off, key};
}

void Timeline::Render(uint32_t from, uint32_t to, MidiSink& sink) {
  const int64_t first = blockStart_ + from, end = blockStart_ + to;
  // The loop's events from the first whose frame is not before the segment.
  const bool playing = current_ && !current_->events.empty();
  const double loop = LoopTicks();
  const double origin = static_cast<double>(phraseBar_) * BarTicks();
  size_t index = 0;
  double passStart = 0;
  if (playing) {
    const double since = TicksAt(first) - ticksPerFrame_ - origin;
    passStart = origin + std::floor(since / loop) * loop;
    const double within = since - (passStart - origin);
    const auto& events = current_->events;
    index = std::lower_bound(events.begin(), events.end(), within,
                             [](const LoopEvent& e, double t) { return e.tick < t; }) -
            events.begin();
  }
  const auto next = [&] {
    if (++index == current_->events.size()) {
      index = 0;
      passStart += loop;
    }
  };
  if (playing && index == current_->events.size()) {
    index = current_->events.size() - 1;
    next();
  }
  while (playing && FrameOf(passStart + current_->events[index].tick) < first) next();

  for (;;) {
    uint32_t ending = soundingCount_;
    int64_t endFrame = end;
    for (uint32_t i = 0; i < soundingCount_; ++i) {
      const int64_t f = std::max(FrameOf(sounding_[i].endTick), first);
      if (f < endFrame) {
        endFrame = f;
        ending = i;
      }
    }
    const double tick = playing ? passStart + current_->events[index].tick : 0;
    // Not looping, only the pass that starts where the phrase took over.
    const int64_t startFrame = playing && (loop_ || passStart == origin) ? FrameOf(tick) : end;
    if (ending < soundingCount_ && endFrame <= startFrame) {
      Send(endFrame, {sounding_[ending].status, sounding_[ending].key, 0}, sink);
      sounding_[ending] = sounding_[--soundingCount_];
      continue;
    }
    if (startFrame >= end) break;
    const LoopEvent& event = current_->events[index];
    if (event.length > 0)
      StartNote(startFrame, tick, event, sink);
    else
      Send(startFrame, event.message, sink, event.size);
    next();
  }
}

}  // namespace volemo::timeline
