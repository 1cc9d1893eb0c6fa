// What the MIDI port outputs share: the phrase's events in order, handed
// out a stretch of time at a time (starting over at the end while looping),
// and the notes they left sounding, released on stop. JACK's process
// callback calls it once a cycle, the ALSA sequencer's feeder a little
// ahead of time; nothing here allocates, locks or waits.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "midi_file.h"

namespace volemo {

class PortSchedule {
 public:
  // Takes the events of a phrase of length seconds; not while EmitUntil or
  // Release may run.
  void Load(std::vector<TimedEvent> events, double length);
  void SetLoop(bool loop) { loop_ = loop; }

  // emit(seconds, bytes, size) for every event due before until (seconds
  // from the start of the first pass), in order; the notes it starts and
  // ends are counted.
  template <class Emit>
  void EmitUntil(double until, Emit emit) {
    for (;;) {
      if (next_ == events_.size()) {
        if (!loop_ || length_ <= 0 || events_.empty()) return;
        next_ = 0;
        passStart_ = passStart_ + length_;
      }
      const TimedEvent& e = events_[next_];
      const double due = passStart_ + e.seconds;
      if (due >= until) return;
      // The clock's start (or song position and continue) once, before the
      // first pass; its ticks every pass.
      if (passStart_ > 0 && (e.bytes[0] == kStart || e.bytes[0] == kContinue || e.bytes[0] == kSongPosition)) {
        ++next_;
        continue;
      }
      Count(e);
      emit(due, e.bytes, e.size);
      ++next_;
    }
  }

  // True once every event is out and the last pass has reached its end.
  bool Ended(double now) const { return next_ == events_.size() && !loop_ && now >= passStart_ + length_; }
  // Seconds into the current pass at now.
  double Position(double now) const { return now - passStart_; }

  // emit(bytes, size) for a note-off of every sounding note, then the
  // sustain pedal up and "all notes off" on every channel the phrase uses;
  // a clock's stop when the events hold a clock.
  template <class Emit>
  void Release(Emit emit) {
    for (int channel = 0; channel < 16; ++channel) {
      if (!(usedChannels_ & 1u << channel)) continue;
      for (int key = 0; key < 128; ++key) {
        for (; sounding_[channel][key] > 0; --sounding_[channel][key]) {
          const uint8_t off[3] = {static_cast<uint8_t>(0x80 | channel), static_cast<uint8_t>(key), 0};
          emit(off, 3);
        }
      }
      const uint8_t pedal[3] = {static_cast<uint8_t>(0xB0 | channel), 64, 0};
      const uint8_t allOff[3] = {static_cast<uint8_t>(0xB0 | channel), 123, 0};
      emit(pedal, 3);
      emit(allOff, 3);
    }
    if (clock_) {
      const uint8_t stop[1] = {kStop};
      emit(stop, 1);
    }
  }

  // MIDI clock's messages (system real time, and the song position).
  static constexpr uint8_t kClock = 0xF8, kStart = 0xFA, kContinue = 0xFB, kStop = 0xFC, kSongPosition = 0xF2;

 private:
  void Count(const TimedEvent& e);

  std::vector<TimedEvent> events_;
  double length_ = 0;
  std::atomic<bool> loop_{false};
  size_t next_ = 0;
  std::atomic<double> passStart_{0};
  uint8_t sounding_[16][128] = {};
  uint32_t usedChannels_ = 0;
  bool clock_ = false;  // the events hold a clock: the release stops it
};

}  // namespace volemo
