// A phrase's own notes against what the compiler plays of its text.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "dvorlin/compile.h"

#include "phrase.h"
#include "test_support.h"

namespace volemo {

// The phrase's sounding notes against the first pass of the compiled repeat
// (its earliest notes). Two equal notes of a chord sound as one.
inline void ExpectNotesAsCompiled(const volemo::Phrase& phrase, const std::string& where) {
  const dvorlin::Performance played = dvorlin::Perform(phrase.Mml());
  ASSERT_TRUE(played.ok()) << where << ": " << dvorlin::testing::Utf8(dvorlin::FormatDiagnostics(played.diagnostics));
  using Heard = std::tuple<int64_t, int, int64_t>;
  std::set<Heard> written, heard;
  for (const PhraseNote& n : phrase.Notes())
    if (n.soundingTicks > 0) written.insert({n.startTick, n.key, n.soundingTicks});
  ASSERT_LE(written.size(), played.song.notes.size()) << where;
  for (size_t i = 0; i < written.size(); ++i) {
    const dvorlin::Note& n = played.song.notes[i];
    heard.insert({n.start, n.key, n.length});
  }
  EXPECT_EQ(written, heard) << where << "\n" << phrase.Mml();
}

}  // namespace volemo
