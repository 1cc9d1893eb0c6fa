// The phrase played into another program's or a device's MIDI port, from
// this process's client "Volemo" and its output port "out": JACK's ports
// (JACK 2, or PipeWire's JACK) by their own names, the ALSA sequencer's as
// "alsa:CLIENT:PORT". Events go out on the MIDI system's own clock: JACK's
// frame times, the ALSA sequencer's queue.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "midi_file.h"
#include "timeline.h"

namespace volemo {

class PortOutput {
 public:
  virtual ~PortOutput() = default;

  // Plays the events (seconds from now) of a phrase of length seconds, the
  // play before stopped first; with loop, from the start again at its end
  // until Stop.
  virtual void Play(std::vector<TimedEvent> events, double length, bool loop) = 0;
  // Plays the phrase on the JACK transport's timeline instead: from its
  // bar 1 while the transport rolls, at the transport's tempo (the phrase's
  // beatsPerMinute while no timebase master tells one) and bar position,
  // its sounding notes ended when the transport stops. With loop, over and
  // over in whole bars; else it has ended once the transport has passed
  // the phrase's end. The play before is stopped first. Throws PlayerError
  // for a port that is not JACK's.
  virtual void Follow(timeline::LoopEvents phrase, double beatsPerMinute, bool loop);
  // Note-offs for every sounding note, the pedal up and "all notes off" on
  // each channel the phrase uses. Closing stops too.
  virtual void Stop() = 0;
  virtual void SetLoop(bool loop) = 0;
  // Until the last event and the phrase's end, or Stop, or the port's loss.
  virtual bool IsPlaying() const = 0;
  // Seconds into the phrase (its current pass); -1 when not playing.
  virtual double Position() const = 0;
  // Why the output ended (the port went away, the server stopped); empty
  // while it works.
  virtual std::string Failure() const = 0;
};

// The ports a phrase can be played into, JACK's first; none of a system
// that is not there.
std::vector<std::string> ListMidiPorts();
// Connects to the port of this name. Throws PlayerError saying why not.
std::unique_ptr<PortOutput> OpenMidiPort(const std::string& name);

// Each system's part of the two above.
std::vector<std::string> ListJackPorts();
std::unique_ptr<PortOutput> OpenJackPort(const std::string& name);
std::vector<std::string> ListAlsaPorts();
std::unique_ptr<PortOutput> OpenAlsaPort(const std::string& name);

}  // namespace volemo
