#include "style_sources.h"

#include <algorithm>

#include "cp932.h"
#include "learn_error.h"
#include "use_vorlin_dll.h"
#include "message_text.h"
#include "translatable.h"

namespace volemo {

PieceNotes StarredTakeNotes(const TakeStore& store) {
  PieceNotes all;
  int64_t end = 0;
  for (const Take& take : store.List(true)) {
    std::string bytes;
    if (!CompileMmlToBytes(Cp932FromUtf8Lossy(take.mml), bytes)) continue;
    PieceNotes piece;
    try {
      piece = ReadPieceNotes(ParseMidiFile(std::move(bytes)), {}, "take " + std::to_string(take.id));
    } catch (const LearnError&) {
      continue;  // a take without notes adds none
    }
    // Every take starts on a bar of its own, so the steps stay on one grid.
    const int64_t bar = 4 * int64_t{piece.ticksPerQuarter};
    const int64_t offset = (end + bar - 1) / bar * bar;
    if (all.notes.empty()) {
      all.ticksPerQuarter = piece.ticksPerQuarter;
      all.firstTempo = piece.firstTempo;
    }
    for (PieceNote n : piece.notes) {
      n.start += offset;
      end = std::max(end, n.start + n.length);
      all.notes.push_back(n);
    }
  }
  if (all.notes.empty())
    throw LearnError(FormatMessage(QT_TRANSLATE_NOOP("Message", "\"%1\": ノートのあるスター付きのテイクがありません。"), {store.path()}));
  return all;
}

}  // namespace volemo
