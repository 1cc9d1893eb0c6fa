// The MIDI file reader on any bytes, as on any file a user points the player
// at. Besides the sanitizers it checks what the player relies on: a file is
// either refused with a message or kept whole, with an end it can wait for
// and only voice-choosing events in its voice list.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "midi_file.h"
#include "player_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace volemo;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  MidiFile midi;
  try {
    midi = ParseMidiFile(bytes);
  } catch (const PlayerError&) {
    return 0;
  }
  Check(midi.bytes == bytes);
  Check(midi.lastTick >= 0 && std::isfinite(midi.seconds) && midi.seconds >= 0);
  for (const VoiceEvent& e : midi.voiceEvents) {
    const int kind = e.status & 0xF0;
    Check((kind == 0xB0 && (e.data1 == 0 || e.data1 == 32)) || (kind == 0xC0 && e.data2 == 0));
  }
  return 0;
}
