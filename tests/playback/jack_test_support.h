// A JACK server and a receiving client of the test's own, and the check of
// what a phrase played into it against its MIDI file as midicsv reads it.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <stdexcept>

typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

namespace volemo::test {

// jackd on the dummy backend (no sound card), under a name of this
// process's own, for the life of the object: the process's JACK clients
// find it through JACK_DEFAULT_SERVER. Throws std::runtime_error when it
// does not start, as the monitor does (for GoogleTest and Qt Test alike).
class JackServer {
 public:
  JackServer();
  ~JackServer();
  JackServer(const JackServer&) = delete;
  JackServer& operator=(const JackServer&) = delete;

 private:
  pid_t pid_ = -1;
};

// The client "midi-monitor" with the MIDI input "input", recording every
// message that arrives with its frame time.
class MidiMonitor {
 public:
  struct Message {
    uint32_t frame;
    uint8_t size;
    uint8_t bytes[3];
  };

  MidiMonitor();
  ~MidiMonitor();
  MidiMonitor(const MidiMonitor&) = delete;
  MidiMonitor& operator=(const MidiMonitor&) = delete;

  std::vector<Message> Received() const;
  double Rate() const { return rate_; }
  // Cycles the server missed since the monitor started: on a loaded
  // machine a server without real-time priority misses some, and the
  // messages of a missed cycle are lost on the way.
  int Xruns() const { return xruns_.load(); }
  // Tries a timing check gets while the server misses cycles on the way:
  // only a try without a missed cycle tells the player's timing.
  static constexpr int kTries = 5;
  // Quits, its port gone with it, as a synthesizer that is closed.
  void Vanish();

 private:
  static int Process(uint32_t frames, void* arg);

  jack_client_t* client_ = nullptr;
  jack_port_t* port_ = nullptr;
  double rate_ = 0;
  std::vector<Message> messages_;  // its capacity is never exceeded
  std::atomic<size_t> count_{0};
  std::atomic<int> xruns_{0};
};

// A program run with a pipe to its standard input (its output dropped),
// ended by its pid with the object.
class Child {
 public:
  explicit Child(std::vector<std::string> args, const std::string& env = "");
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  void Say(const std::string& line);

 private:
  pid_t pid_ = -1;
  int input_ = -1;
};

// Where the transport's frame 0 stood in the server's frame time each time
// it started rolling, and the server's frame at each stop: read in the
// process callback, where both are exact. Up to 8 of each.
class TransportWatch {
 public:
  TransportWatch();
  ~TransportWatch();
  TransportWatch(const TransportWatch&) = delete;
  TransportWatch& operator=(const TransportWatch&) = delete;
  jack_client_t* Client() const { return client_; }
  // The n-th (from 0); -1 until it happened.
  int64_t Origin(int n = 0) const { return origins_[n].load(); }
  int64_t Stop(int n = 0) const { return stops_[n].load(); }
  uint32_t Period() const;

 private:
  static int Process(uint32_t frames, void* arg);

  jack_client_t* client_ = nullptr;
  bool rolling_ = false;
  int starts_ = 0;
  std::atomic<int64_t> origins_[8], stops_[8];
};

// Every note of the file at midPath as midicsv reads it, against what the
// monitor received: channel, key, velocity, and its on and off each within
// 1 ms of its due time, counted from the first note; then "all notes off"
// on every channel the notes used. Empty when all is so, else what is not.
// The messages the monitor received before the first-th are not looked at.
std::string NotesDifferFrom(const std::string& midPath, const MidiMonitor& monitor, size_t first = 0);

// play() plays midPath's phrase into the monitor and returns once the
// player has ended; then what arrived is checked as above, the monitor
// given up to 2 s for its last cycle. A cycle the server missed loses its
// messages on the way, which no player can help: the play is tried again
// then, and only then, three times at most.
std::string PlayedNotesDifferFrom(const std::string& midPath, const MidiMonitor& monitor,
                                  const std::function<void()>& play);
// The same for phrases played at once, each into a monitor of its own:
// what differs, one text per phrase.
struct PlayedPhrase {
  std::string midPath;
  const MidiMonitor& monitor;
};
std::vector<std::string> PlayedNotesDifferFrom(const std::vector<PlayedPhrase>& phrases,
                                               const std::function<void()>& play);

}  // namespace volemo::test
