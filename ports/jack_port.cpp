// JACK MIDI output: the events are written in the process callback, each at
// its frame in the cycle, counted from the cycle the play started in.
#include <jack/jack.h>
#include <jack/midiport.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
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

class JackOutput : public PortOutput {
 public:
  explicit JackOutput(const std::string& target) : target_(target) {
    client_ = OpenClient();
    if (!client_) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "JACK に接続できません（JACK サーバーが動いていません）。"));
    port_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    rate_ = jack_get_sample_rate(client_);
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
    schedule_.Load(std::move(events), length);
    schedule_.SetLoop(loop);
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

  void SetLoop(bool loop) override { schedule_.SetLoop(loop); }

  bool IsPlaying() const override { return state_.load() != kIdle && !lost_; }

  double Position() const override {
    if (state_.load() != kPlaying) return -1;
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
