#include "jack_test_support.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <set>
#include <thread>
#include <tuple>

#include "midicsv_reader.h"

namespace volemo::test {
namespace {

void Quiet(const char*) {}

jack_client_t* Connect(const char* name) {
  jack_set_error_function(Quiet);
  jack_set_info_function(Quiet);
  jack_status_t status;
  return jack_client_open(name, JackNoStartServer, &status);
}

}  // namespace

Child::Child(std::vector<std::string> args, const std::string& env) {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("no pipe");
  pid_ = fork();
  if (pid_ == 0) {
    dup2(fds[0], 0);
    close(fds[1]);
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    if (!env.empty()) putenv(const_cast<char*>(env.c_str()));
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(fds[0]);
  input_ = fds[1];
}

Child::~Child() {
  close(input_);
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

void Child::Say(const std::string& line) {
  const std::string text = line + "\n";
  if (write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) throw std::runtime_error("pipe");
}

TransportWatch::TransportWatch() {
  for (auto& o : origins_) o = -1;
  for (auto& s : stops_) s = -1;
  client_ = Connect("transport-watch");
  if (!client_) throw std::runtime_error("no JACK server for the watch");
  jack_set_process_callback(client_, Process, this);
  jack_activate(client_);
}

TransportWatch::~TransportWatch() { jack_client_close(client_); }

uint32_t TransportWatch::Period() const { return jack_get_buffer_size(client_); }

int TransportWatch::Process(uint32_t, void* arg) {
  auto* self = static_cast<TransportWatch*>(arg);
  jack_position_t position;
  const bool rolling = jack_transport_query(self->client_, &position) == JackTransportRolling;
  const int64_t now = jack_last_frame_time(self->client_);
  if (rolling != self->rolling_ && self->starts_ < 8) {
    if (rolling)
      self->origins_[self->starts_] = now - position.frame;
    else
      self->stops_[self->starts_++] = now;
  }
  self->rolling_ = rolling;
  return 0;
}

JackServer::JackServer() {
  const std::string name = "volemo-test-" + std::to_string(getpid());
  setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
  pid_ = fork();
  if (pid_ == 0) {
    // Ends with the test, also one that aborts: an orphaned server would
    // keep whatever the test inherited open (a build lock) for ever.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // Its chatter would bury the test's own output.
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    execlp("jackd", "jackd", "--no-realtime", "-n", name.c_str(), "-d", "dummy", "-r", "48000", "-p", "1024",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  for (int i = 0; i < 200; ++i) {
    if (jack_client_t* probe = Connect("probe")) {
      jack_client_close(probe);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("jackd -d dummy did not start (Debian: jackd2)");
}

JackServer::~JackServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

MidiMonitor::MidiMonitor() : messages_(100000) {
  client_ = Connect("midi-monitor");
  if (!client_) throw std::runtime_error("no JACK server for the monitor");
  port_ = jack_port_register(client_, "input", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  rate_ = jack_get_sample_rate(client_);
  jack_set_process_callback(client_, Process, this);
  jack_set_xrun_callback(
      client_, [](void* arg) { return ++static_cast<MidiMonitor*>(arg)->xruns_, 0; }, this);
  if (!port_ || jack_activate(client_) != 0) throw std::runtime_error("the monitor cannot start");
}

MidiMonitor::~MidiMonitor() {
  if (client_) jack_client_close(client_);
}

int MidiMonitor::Process(uint32_t frames, void* arg) {
  auto* self = static_cast<MidiMonitor*>(arg);
  void* buffer = jack_port_get_buffer(self->port_, frames);
  const jack_nframes_t cycle = jack_last_frame_time(self->client_);
  const uint32_t count = jack_midi_get_event_count(buffer);
  size_t n = self->count_.load(std::memory_order_relaxed);
  for (uint32_t i = 0; i < count && n < self->messages_.size(); ++i) {
    jack_midi_event_t event;
    if (jack_midi_event_get(&event, buffer, i) != 0) continue;
    Message& m = self->messages_[n++];
    m.frame = cycle + event.time;
    m.size = static_cast<uint8_t>(std::min<size_t>(event.size, 3));
    std::copy_n(event.buffer, m.size, m.bytes);
  }
  self->count_.store(n, std::memory_order_release);
  return 0;
}

std::vector<MidiMonitor::Message> MidiMonitor::Received() const {
  return {messages_.begin(), messages_.begin() + static_cast<ptrdiff_t>(count_.load(std::memory_order_acquire))};
}

void MidiMonitor::Vanish() {
  jack_client_close(client_);
  client_ = nullptr;
}

std::string NotesDifferFrom(const std::string& midPath, const MidiMonitor& monitor, size_t first) {
  const dvorlin::testing::HeardFile file = dvorlin::testing::ReadWithMidicsv(midPath);
  if (file.notes.empty()) return "midicsv reads no notes in " + midPath;
  const auto seconds = [&](int tick) {  // through the tempo changes
    double s = 0;
    int at = 0, tempo = 500000;
    for (const auto& t : file.tempos) {
      if (t.tick >= tick) break;
      s += double(t.tick - at) * tempo / file.division / 1e6;
      at = t.tick;
      tempo = t.microsPerQuarter;
    }
    return s + double(tick - at) * tempo / file.division / 1e6;
  };
  // What is due: (seconds, channel, key, velocity), velocity 0 for the offs.
  using Due = std::tuple<double, int, int, int>;
  std::vector<Due> due;
  for (const auto& n : file.notes) {
    due.emplace_back(seconds(n.start), n.channel, n.key, n.velocity);
    due.emplace_back(seconds(n.start + n.length), n.channel, n.key, 0);
  }
  std::vector<Due> heard;
  std::set<int> allNotesOff;
  const std::vector<MidiMonitor::Message> received = monitor.Received();
  for (auto m = received.begin() + static_cast<ptrdiff_t>(std::min(first, received.size())); m != received.end(); ++m) {
    const int kind = m->bytes[0] & 0xF0, channel = (m->bytes[0] & 0x0F) + 1;
    if (kind == 0x90 || kind == 0x80)
      heard.emplace_back(m->frame / monitor.Rate(), channel, m->bytes[1], kind == 0x90 ? m->bytes[2] : 0);
    if (kind == 0xB0 && m->bytes[1] == 123) allNotesOff.insert(channel);
  }
  // In time order; the offs before the ons at one time, as a player sends them.
  const auto order = [](const Due& a, const Due& b) {
    return std::make_tuple(std::get<0>(a), std::get<3>(a) != 0, std::get<2>(a)) <
           std::make_tuple(std::get<0>(b), std::get<3>(b) != 0, std::get<2>(b));
  };
  std::stable_sort(due.begin(), due.end(), order);
  if (heard.size() != due.size())
    return std::to_string(heard.size()) + " note messages arrived, " + std::to_string(due.size()) + " were due";
  const double heardStart = std::get<0>(heard.front()), dueStart = std::get<0>(due.front());
  for (size_t i = 0; i < due.size(); ++i) {
    // Sent in time order: at one time the order may differ, so each heard
    // message is matched among those due within the 1 ms.
    const double at = std::get<0>(heard[i]) - heardStart;
    const auto match = std::find_if(due.begin(), due.end(), [&](const Due& d) {
      return std::get<1>(d) == std::get<1>(heard[i]) && std::get<2>(d) == std::get<2>(heard[i]) &&
             std::get<3>(d) == std::get<3>(heard[i]) && std::abs(std::get<0>(d) - dueStart - at) <= 0.001;
    });
    if (match == due.end())
      return "message " + std::to_string(i) + " at " + std::to_string(at) + " s (channel " +
             std::to_string(std::get<1>(heard[i])) + ", key " + std::to_string(std::get<2>(heard[i])) +
             ", velocity " + std::to_string(std::get<3>(heard[i])) + ") is not due then";
    std::get<1>(*match) = -1;  // matched once only
  }
  for (const auto& n : file.notes)
    if (!allNotesOff.count(n.channel)) return "no all notes off on channel " + std::to_string(n.channel);
  return {};
}

std::string PlayedNotesDifferFrom(const std::string& midPath, const MidiMonitor& monitor,
                                  const std::function<void()>& play) {
  return PlayedNotesDifferFrom({{midPath, monitor}}, play).front();
}

std::vector<std::string> PlayedNotesDifferFrom(const std::vector<PlayedPhrase>& phrases,
                                               const std::function<void()>& play) {
  std::vector<std::string> differs(phrases.size());
  const auto allHeard = [&] {
    return std::all_of(differs.begin(), differs.end(), [](const std::string& d) { return d.empty(); });
  };
  // The monitors share the server, and so its missed cycles.
  const MidiMonitor& server = phrases.front().monitor;
  for (int attempt = 0; attempt < MidiMonitor::kTries; ++attempt) {
    std::vector<size_t> first;
    for (const PlayedPhrase& p : phrases) first.push_back(p.monitor.Received().size());
    const int missed = server.Xruns();
    play();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (;;) {
      for (size_t i = 0; i < phrases.size(); ++i) differs[i] = NotesDifferFrom(phrases[i].midPath, phrases[i].monitor, first[i]);
      if (allHeard() || std::chrono::steady_clock::now() >= giveUp) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (allHeard() || server.Xruns() == missed) break;
  }
  return differs;
}

}  // namespace volemo::test
