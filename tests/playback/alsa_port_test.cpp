// The ALSA sequencer's side of the MIDI port output, into a receiving
// client of the test's own; it needs /dev/snd/seq.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "port_output.h"

namespace volemo {
namespace {

TEST(AlsaPort, NotesAndTheReleaseReachAnotherClientsPort) {
  if (access("/dev/snd/seq", F_OK) != 0) GTEST_SKIP() << "skipped: no /dev/snd/seq";
  snd_seq_t* receiver = nullptr;
  ASSERT_GE(snd_seq_open(&receiver, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK), 0);
  snd_seq_set_client_name(receiver, "receiver");
  snd_seq_create_simple_port(receiver, "in", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                             SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
  const std::vector<std::string> ports = ListAlsaPorts();
  ASSERT_NE(std::find(ports.begin(), ports.end(), "alsa:receiver:in"), ports.end());
  {
    const auto out = OpenAlsaPort("alsa:receiver:in");
    out->Play({{0.0, 0, 3, {0x90, 60, 100}}, {0.1, 0, 3, {0x80, 60, 0}}}, 0.1, false);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (out->IsPlaying() && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::vector<std::string> heard;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (heard.size() < 4 && std::chrono::steady_clock::now() < giveUp) {
    snd_seq_event_t* ev = nullptr;
    if (snd_seq_event_input(receiver, &ev) < 0 || !ev) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    if (ev->type == SND_SEQ_EVENT_NOTEON)
      heard.push_back("on " + std::to_string(ev->data.note.note) + " " + std::to_string(ev->data.note.velocity));
    if (ev->type == SND_SEQ_EVENT_NOTEOFF) heard.push_back("off " + std::to_string(ev->data.note.note));
    if (ev->type == SND_SEQ_EVENT_CONTROLLER)
      heard.push_back("cc " + std::to_string(ev->data.control.param) + " " + std::to_string(ev->data.control.value));
  }
  snd_seq_close(receiver);
  EXPECT_EQ(heard, (std::vector<std::string>{"on 60 100", "off 60", "cc 64 0", "cc 123 0"}));
}

}  // namespace
}  // namespace volemo
