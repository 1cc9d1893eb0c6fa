// ALSA sequencer output: a feeder thread hands the events to the
// sequencer's queue a little ahead of their time, stamped with it; the
// queue sends each when its time comes.
#include <alsa/asoundlib.h>

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "player_error.h"
#include "port_output.h"
#include "port_schedule.h"
#include "translatable.h"
#include "message_text.h"

namespace volemo {
namespace {

constexpr double kAhead = 0.5;  // seconds of events in the queue ahead of time

void Quiet(const char*, int, const char*, int, const char*, ...) {}

// Null where there is no sequencer (no /dev/snd/seq), which alsa-lib would
// otherwise complain of on the terminal.
snd_seq_t* OpenSequencer() {
  snd_seq_t* seq = nullptr;
  snd_lib_error_set_handler(Quiet);
  const int opened = snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, 0);
  snd_lib_error_set_handler(nullptr);
  if (opened < 0) return nullptr;
  snd_seq_set_client_name(seq, "Volemo");
  return seq;
}

// Calls found(name, address) for every port others can write to.
template <class Found>
void ForEachPort(snd_seq_t* seq, Found found) {
  snd_seq_client_info_t* client;
  snd_seq_port_info_t* port;
  snd_seq_client_info_alloca(&client);
  snd_seq_port_info_alloca(&port);
  snd_seq_client_info_set_client(client, -1);
  while (snd_seq_query_next_client(seq, client) >= 0) {
    const int id = snd_seq_client_info_get_client(client);
    if (id == SND_SEQ_CLIENT_SYSTEM || id == snd_seq_client_id(seq)) continue;
    snd_seq_port_info_set_client(port, id);
    snd_seq_port_info_set_port(port, -1);
    while (snd_seq_query_next_port(seq, port) >= 0) {
      const unsigned caps = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
      if ((snd_seq_port_info_get_capability(port) & caps) != caps) continue;
      found(std::string("alsa:") + snd_seq_client_info_get_name(client) + ":" + snd_seq_port_info_get_name(port),
            *snd_seq_port_info_get_addr(port));
    }
  }
}

class AlsaOutput : public PortOutput {
 public:
  explicit AlsaOutput(const std::string& target) : target_(target) {
    seq_ = OpenSequencer();
    if (!seq_) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "ALSA シーケンサーを開けません（/dev/snd/seq がありません）。"));
    bool found = false;
    ForEachPort(seq_, [&](const std::string& name, const snd_seq_addr_t& addr) {
      if (name == target) found = true, address_ = addr;
    });
    port_ = snd_seq_create_simple_port(seq_, "out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    queue_ = snd_seq_alloc_named_queue(seq_, "Volemo");
    if (!found || port_ < 0 || queue_ < 0 || snd_seq_connect_to(seq_, port_, address_.client, address_.port) < 0 ||
        snd_midi_event_new(16, &encoder_) < 0) {
      snd_seq_close(seq_);
      throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ポート \"%1\" に接続できません。"), {target}));
    }
    snd_midi_event_no_status(encoder_, 1);
  }

  ~AlsaOutput() override {
    Stop();
    snd_midi_event_free(encoder_);
    snd_seq_close(seq_);
  }

  void Play(std::vector<TimedEvent> events, double length, bool loop) override {
    Stop();
    schedule_.Load(std::move(events), length);
    schedule_.SetLoop(loop);
    snd_seq_start_queue(seq_, queue_, nullptr);  // its clock from 0
    snd_seq_drain_output(seq_);
    stop_ = false;
    playing_ = true;
    feeder_ = std::thread([this] { Feed(); });
  }

  void Stop() override {
    if (!feeder_.joinable()) return;
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    feeder_.join();
  }

  void SetLoop(bool loop) override { schedule_.SetLoop(loop); }
  bool IsPlaying() const override { return playing_ && !lost_; }
  // The feeder holds the lock while it uses the sequencer: one handle is
  // never used by two threads at once.
  double Position() const override {
    std::lock_guard lock(mutex_);
    return playing_ ? schedule_.Position(QueueSeconds()) : -1;
  }
  std::string Failure() const override {
    return lost_ ? FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ポート \"%1\" への出力が途切れました（ポートがなくなりました）。"), {target_}) : "";
  }

 private:
  double QueueSeconds() const {
    snd_seq_queue_status_t* status;
    snd_seq_queue_status_alloca(&status);
    if (snd_seq_get_queue_status(seq_, queue_, status) < 0) return 0;
    const snd_seq_real_time_t* t = snd_seq_queue_status_get_real_time(status);
    return t->tv_sec + t->tv_nsec / 1e9;
  }

  void Send(const uint8_t* bytes, size_t size, const double* due) {
    snd_seq_event_t ev;
    snd_seq_ev_clear(&ev);
    snd_midi_event_reset_encode(encoder_);
    if (snd_midi_event_encode(encoder_, bytes, static_cast<long>(size), &ev) <= 0 || ev.type == SND_SEQ_EVENT_NONE)
      return;
    snd_seq_ev_set_source(&ev, port_);
    snd_seq_ev_set_subs(&ev);
    if (due) {
      snd_seq_real_time_t t{static_cast<unsigned>(*due), static_cast<unsigned>(std::fmod(*due, 1.0) * 1e9)};
      snd_seq_ev_schedule_real(&ev, queue_, 0, &t);
    } else {
      snd_seq_ev_set_direct(&ev);
    }
    snd_seq_event_output(seq_, &ev);
  }

  bool PortThere() {
    snd_seq_port_info_t* info;
    snd_seq_port_info_alloca(&info);
    return snd_seq_get_any_port_info(seq_, address_.client, address_.port, info) >= 0;
  }

  void Feed() {
    std::unique_lock lock(mutex_);
    for (;;) {
      const double now = QueueSeconds();
      schedule_.EmitUntil(now + kAhead, [&](double due, const uint8_t* b, size_t n) { Send(b, n, &due); });
      snd_seq_drain_output(seq_);
      if (!PortThere()) lost_ = true;
      if (stop_ || lost_ || schedule_.Ended(now)) break;
      wake_.wait_for(lock, std::chrono::milliseconds(100), [&] { return stop_; });
    }
    // What the queue still holds never sounds; the notes it left are released now.
    snd_seq_drop_output(seq_);
    snd_seq_remove_events_t* remove;
    snd_seq_remove_events_alloca(&remove);
    snd_seq_remove_events_set_condition(remove, SND_SEQ_REMOVE_OUTPUT);
    snd_seq_remove_events_set_queue(remove, queue_);
    snd_seq_remove_events(seq_, remove);
    snd_seq_stop_queue(seq_, queue_, nullptr);
    schedule_.Release([&](const uint8_t* b, size_t n) { Send(b, n, nullptr); });
    snd_seq_drain_output(seq_);
    playing_ = false;
  }

  const std::string target_;
  snd_seq_t* seq_ = nullptr;
  snd_seq_addr_t address_{};
  int port_ = -1, queue_ = -1;
  snd_midi_event_t* encoder_ = nullptr;
  PortSchedule schedule_;
  mutable std::mutex mutex_;  // held by whoever uses seq_ while the feeder runs
  std::condition_variable wake_;
  bool stop_ = false;
  std::atomic<bool> playing_{false}, lost_{false};
  std::thread feeder_;
};

}  // namespace

std::vector<std::string> ListAlsaPorts() {
  std::vector<std::string> names;
  if (snd_seq_t* seq = OpenSequencer()) {
    ForEachPort(seq, [&](const std::string& name, const snd_seq_addr_t&) { names.push_back(name); });
    snd_seq_close(seq);
  }
  return names;
}

std::unique_ptr<PortOutput> OpenAlsaPort(const std::string& name) { return std::make_unique<AlsaOutput>(name); }

}  // namespace volemo
