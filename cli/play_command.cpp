#include <chrono>
#include <iostream>
#include <thread>

#include "commands.h"
#include "interrupts.h"
#include "sound_player.h"
#include "sound_render.h"
#include "session.h"
#include "translatable.h"
#include "language.h"

namespace volemo::cli {
namespace {

constexpr char kRenderHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli render IN.mid OUT.{wav,flac,ogg}
MIDI ファイルをプレーヤーの SoundFont で 44.1 kHz ステレオの音声ファイルに、
マシンが許すかぎり速くレンダリングする: OUT の拡張子で 16 ビット WAV, FLAC か Ogg Vorbis。
)");

}  // namespace


void PlayToTheEnd(const MidiFile& midi) {
  SoundPlayer player;
  player.Open(midi);
  player.Play();
  // The player tells only whether it still sounds; a short poll keeps the
  // return prompt without a thread of our own.
  while (player.IsPlaying()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  player.CheckOutput();
  player.Close();
}

int RunRender(ArgumentReader& args) {
  if (args.TakeFlag("--help")) {
    std::cout << Said(kRenderHelp);
    return 0;
  }
  const std::string in = args.TakePositional("IN.mid");
  const std::string out = args.TakePositional("OUT.{wav,flac,ogg}");
  if (!args.AtEnd()) args.RejectNext();
  RefuseOutputOverInput(in, out);
  try {
    const MidiFile midi = ReadMidiFile(in);
    const DeferInterrupts whileWriting;
    RenderSound(midi, in, out, [](double) { return InterruptPending(); });
  } catch (const PlayerError& e) {
    ReportOnStderr(e.what());
    return 1;
  }
  return 0;
}

}  // namespace volemo::cli
