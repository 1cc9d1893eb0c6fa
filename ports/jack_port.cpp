// JACK MIDI output: the events are written in the process callback, each at
// its frame in the cycle, counted from the cycle the play started in; or,
// following the transport, where the transport's position puts them.
#include <jack/jack.h>
#include <jack/midiport.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include "player_error.h"
#include "port_output.h"
#include "port_schedule.h"
#include "translatable.h"
#include "message_text.h"

namespace volemo {
namespace {

void Quiet(const char*) {}

// A client of its own, never starting a server: none running means no
// JACK ports. libjack's own messages stay off the terminal.
jack_client_t* OpenClient() {
  jack_set_error_function(Quiet);
  jack_set_info_function(Quiet);
  jack_status_t status;
  return jack_client_open("Volemo", JackNoStartServer, &status);
}

// The timeline's messages into a cycle's buffer; it writes them in time
// order.
class CycleSink final : public timeline::MidiSink {
 public:
  CycleSink(void* buffer, jack_nframes_t frames) : buffer_(buffer), frames_(frames) {}
  bool Write(uint32_t frame, const std::array<uint8_t, 3>& message, uint8_t size) override {
    return jack_midi_event_write(buffer_, std::min(frame, frames_ - 1), message.data(), std::min<uint8_t>(size, 3)) == 0;
  }

 private:
  void* buffer_;
  const jack_nframes_t frames_;
};

class JackOutput : public PortOutput {
 public:
  explicit JackOutput(const std::string& target) : target_(target) {
    client_ = OpenClient();
    if (!client_) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "JACK に接続できません（JACK サーバーが動いていません）。"));
    port_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    rate_ = jack_get_sample_rate(client_);
    timeline_ = std::make_unique<timeline::Timeline>(rate_);
    jack_set_process_callback(client_, Process, this);
    jack_set_port_connect_callback(client_, Connected, this);
    jack_on_shutdown(client_, ServerGone, this);
    if (!port_ || jack_activate(client_) != 0) {
      jack_client_close(client_);
      throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "JACK の MIDI 出力ポートを作成できません。"));
    }
    if (jack_connect(client_, jack_port_name(port_), target.c_str()) != 0) {
      jack_client_close(client_);
      throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ポート \"%1\" に接続できません。"), {target}));
    }
    // The server takes a new connection into its graph when a cycle
    // starts: a play begun in the cycle running now would lose its first
    // events. Two cycle starts from here include that one.
    const uint32_t from = cycles_.load();
    WaitForCycles([&] { return cycles_.load() - from >= 2; });
  }

  ~JackOutput() override {
    Stop();
    jack_client_close(client_);
  }

  void Play(std::vector<TimedEvent> events, double length, bool loop) override {
    Stop();
    following_ = false;
    schedule_.Load(std::move(events), length);
    schedule_.SetLoop(loop);
    state_.store(kStarting, std::memory_order_release);
  }

  void Follow(timeline::LoopEvents phrase, double beatsPerMinute, bool loop) override {
    Stop();
    following_ = true;
    // The schedule only knows the channels, for the release's pedal and
    // "all notes off"; the timeline ends the notes it started.
    std::vector<TimedEvent> channels;
    for (const timeline::LoopEvent& e : phrase.events) channels.push_back({0, 0, 3, {e.message[0], 0, 0}});
    schedule_.Load(std::move(channels), 0);
    phrase_ = std::move(phrase);
    timeline_->Replace(&phrase_);
    timeline_->Reset();
    SetLoop(loop);
    beatsPerMinute_ = beatsPerMinute;
    reported_ = false;
    state_.store(kStarting, std::memory_order_release);
  }

  void Stop() override {
    int playing = kPlaying, starting = kStarting;
    if (!state_.compare_exchange_strong(playing, kStopping) && !state_.compare_exchange_strong(starting, kIdle))
      return;
    // The callback releases the notes in its next cycle (a port merely
    // disconnected still has its cycles: the schedule must not be touched
    // before); a server that has gone runs no more.
    WaitForCycles([&] { return state_.load() != kStopping; });
    state_.store(kIdle);
  }

  void SetLoop(bool loop) override {
    schedule_.SetLoop(loop);
    loop_ = loop;
  }

  bool IsPlaying() const override { return state_.load() != kIdle && !lost_; }

  double Position() const override {
    if (state_.load() != kPlaying || following_) return -1;
    return schedule_.Position(static_cast<double>(jack_frame_time(client_) - start_.load()) / rate_);
  }

  std::string Failure() const override {
    return lost_ ? FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ポート \"%1\" への出力が途切れました（ポートがなくなりました）。"), {target_}) : "";
  }

 private:
  enum State { kIdle, kStarting, kPlaying, kStopping };

  // Until the process callback has brought done about, the server has gone
  // (it runs no more cycles) or a second has passed (a stalled server).
  template <class Done>
  void WaitForCycles(Done done) const {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!done() && !serverGone_ && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

  static int Process(jack_nframes_t frames, void* arg) {
    auto* self = static_cast<JackOutput*>(arg);
    self->cycles_.fetch_add(1, std::memory_order_relaxed);
    void* buffer = jack_port_get_buffer(self->port_, frames);
    jack_midi_clear_buffer(buffer);
    const jack_nframes_t cycle = jack_last_frame_time(self->client_);
    // Events of a cycle go in in time order: a late one, or the release,
    // goes at the time of the last written.
    jack_nframes_t last = 0;
    const auto write = [&](jack_nframes_t offset, const uint8_t* bytes, size_t size) {
      last = std::max(last, std::min(offset, frames - 1));
      jack_midi_event_write(buffer, last, bytes, size);
    };
    const auto release = [&] { self->schedule_.Release([&](const uint8_t* b, size_t n) { write(last, b, n); }); };
    int state = self->state_.load(std::memory_order_acquire);
    if (state == kStopping) {
      if (self->following_) self->EndNotes(buffer, frames);
      release();
      self->state_.store(kIdle);
      return 0;
    }
    if (state == kStarting) {
      self->start_ = cycle;
      if (!self->state_.compare_exchange_strong(state, kPlaying)) return 0;  // stopped meanwhile
      state = kPlaying;
    }
    if (state != kPlaying) return 0;
    if (self->following_) {
      if (self->FollowTransport(buffer, frames)) {
        release();
        self->state_.compare_exchange_strong(state, kIdle);
      }
      return 0;
    }
    const jack_nframes_t start = self->start_;
    const double until = static_cast<double>(cycle + frames - start) / self->rate_;
    self->schedule_.EmitUntil(until, [&](double due, const uint8_t* bytes, size_t size) {
      const jack_nframes_t frame = start + static_cast<jack_nframes_t>(std::llround(due * self->rate_));
      const int32_t offset = static_cast<int32_t>(frame - cycle);  // negative: late, sent at once
      write(offset > 0 ? static_cast<jack_nframes_t>(offset) : 0, bytes, size);
    });
    if (self->schedule_.Ended(until)) {
      release();  // a note the file never ends, as the built-in synthesizer does
      self->state_.compare_exchange_strong(state, kIdle);
    }
    return 0;
  }

  // A cycle on the transport's timeline, told where the transport stands
  // whenever that is not where the cycle before left it (a start, a stop,
  // a relocation, a new tempo): a timebase master's bar and beat drift
  // from its frames, and are taken only then. True once a phrase that does
  // not loop has been played through.
  bool FollowTransport(void* buffer, jack_nframes_t frames) {
    CycleSink sink(buffer, frames);
    jack_position_t position;
    const bool rolling = jack_transport_query(client_, &position) == JackTransportRolling;
    const bool bbt = (position.valid & JackPositionBBT) != 0;
    const double tempo = bbt && position.beats_per_minute > 0 ? position.beats_per_minute : beatsPerMinute_;
    if (!reported_ || rolling != rolling_ || position.frame != expectedFrame_ || tempo != tempo_) {
      timeline::TransportReport report;
      report.speed = rolling ? 1 : 0;
      report.beatsPerMinute = tempo;
      report.frame = static_cast<int64_t>(position.frame);
      if (bbt) {
        report.bar = position.bar - 1;
        report.barBeat = position.beat - 1 + position.tick / position.ticks_per_beat;
        report.beatsPerBar = static_cast<double>(position.beats_per_bar);
        report.beatUnit = static_cast<int32_t>(position.beat_type);
      }
      timeline_->Report(0, report, sink);
      reported_ = true;
    }
    rolling_ = rolling;
    expectedFrame_ = rolling ? position.frame + frames : position.frame;
    tempo_ = tempo;
    timeline_->SetLoop(loop_);
    timeline_->Play(0, frames, sink);
    timeline_->EndBlock(frames);
    return timeline_->Ended();
  }

  // Every note the timeline started, ended at the cycle's start.
  void EndNotes(void* buffer, jack_nframes_t frames) {
    CycleSink sink(buffer, frames);
    timeline::TransportReport stopped;
    stopped.speed = 0;
    timeline_->Report(0, stopped, sink);
  }

  // Our port disconnected: the other side went away (or was told to).
  static void Connected(jack_port_id_t a, jack_port_id_t b, int connect, void* arg) {
    auto* self = static_cast<JackOutput*>(arg);
    if (!connect && (jack_port_by_id(self->client_, a) == self->port_ || jack_port_by_id(self->client_, b) == self->port_))
      self->lost_ = true;
  }

  static void ServerGone(void* arg) {
    auto* self = static_cast<JackOutput*>(arg);
    self->serverGone_ = true;
    self->lost_ = true;
  }

  const std::string target_;
  jack_client_t* client_ = nullptr;
  jack_port_t* port_ = nullptr;
  double rate_ = 48000;
  PortSchedule schedule_;
  std::atomic<int> state_{kIdle};
  std::atomic<jack_nframes_t> start_{0};
  std::atomic<bool> lost_{false};
  std::atomic<bool> serverGone_{false};
  std::atomic<uint32_t> cycles_{0};
  // Following the transport: set while idle, then the callback's alone.
  bool following_ = false;
  std::atomic<bool> loop_{false};
  timeline::LoopEvents phrase_;
  std::unique_ptr<timeline::Timeline> timeline_;
  double beatsPerMinute_ = 120;  // the phrase's own
  bool reported_ = false, rolling_ = false;
  jack_nframes_t expectedFrame_ = 0;
  double tempo_ = 0;
};

}  // namespace

std::vector<std::string> ListJackPorts() {
  std::vector<std::string> names;
  jack_client_t* client = OpenClient();
  if (!client) return names;
  if (const char** ports = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput)) {
    for (const char** p = ports; *p; ++p) names.emplace_back(*p);
    jack_free(ports);
  }
  jack_client_close(client);
  return names;
}

std::unique_ptr<PortOutput> OpenJackPort(const std::string& name) { return std::make_unique<JackOutput>(name); }

}  // namespace volemo
