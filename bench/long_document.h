// The long document of the compiler's benchmarks, in memory and as a
// process: 100,000 notes written out, composer-shaped: octave marks, gate
// changes, ties, rests, chords and doubles, 16 steps to a line (352 KB).
#pragma once

#include <string>

namespace volemo::bench {

inline std::string LongDocument() {
  std::string mml = "Tempo=120;Channel(1);Voice(1)\r\nv100l16\r\n";
  constexpr char kLine[] = "q100o4c>d<e q20f q100g^a>c+ r 'ce'<b Div{ga}^ d-e f|\r\n";
  constexpr int kNotesPerLine = 15;
  for (int notes = 0; notes < 100'000; notes += kNotesPerLine) mml += kLine;
  return mml;
}

}  // namespace volemo::bench
