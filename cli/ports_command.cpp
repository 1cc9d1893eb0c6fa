// volemo-cli ports, and playing a phrase into one of them.
#include <chrono>
#include <iostream>
#include <thread>

#include "commands.h"
#include "interrupts.h"
#include "player_error.h"
#include "port_player.h"
#include "session.h"
#include "translatable.h"
#include "language.h"

namespace volemo::cli {
namespace {

constexpr char kPortsHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli ports
フレーズを演奏できる MIDI ポート（phrase --midi-out PORT）を一行に一つ示す:
JACK のものは名前で、ALSA シーケンサーのものは alsa:CLIENT:PORT で。
)");

}  // namespace


int RunPorts(ArgumentReader& args) {
  if (args.TakeFlag("--help")) {
    std::cout << Said(kPortsHelp);
    return 0;
  }
  if (!args.AtEnd()) args.RejectNext();
  try {
    for (const std::string& port : MidiPorts()) std::cout << port << '\n';
  } catch (const PlayerError& e) {
    ReportOnStderr(e.what());
    return 1;
  }
  return 0;
}

void PlayIntoPort(const MidiFile& midi, const std::string& port, bool followTransport, bool clock) {
  PortPlayer player(FindMidiPort(port));
  player.SetFollowTransport(followTransport);
  player.SetClock(clock);
  player.Open(midi);
  // Interrupted, the notes still get their note-offs before the program ends.
  const DeferInterrupts whilePlaying;
  player.Play();
  while (player.IsPlaying() && !InterruptPending()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const std::string failure = player.Failure();
  player.Close();
  if (!failure.empty()) throw PlayerError(failure);
}

}  // namespace volemo::cli
