// The phrase options that work on the composed phrase, in command-line
// order: --lock LIST, --reroll, --mutate K; and --notes, its note list.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "arguments.h"
#include "engine_state.h"
#include "phrase.h"
#include "settings.h"

namespace volemo::cli {

struct PhraseOperation {
  enum Kind { Lock, Reroll, Mutate } kind;
  std::vector<std::pair<int, int>> ranges;  // Lock: note numbers, low to high
  int count = 0;             // Mutate: K
  std::string option;        // as given, for messages
};

// Takes the next argument when it is one of these operations and returns
// true; throws UsageError for a bad list or count.
bool TakePhraseOperation(ArgumentReader& args, std::vector<PhraseOperation>& operations);

// Runs them in order; a lock of a note the phrase does not have throws
// UsageError.
void ApplyPhraseOperations(const std::vector<PhraseOperation>& operations, Phrase& phrase, const Settings& settings,
                           EngineState& state);

// One line a note, tab-separated: number, start tick, sounding ticks, MIDI
// key, name with octave, locked 0/1; LF line breaks.
std::string NoteList(const Phrase& phrase);

extern const char kPhraseOperationsHelp[];

}  // namespace volemo::cli
