// The phrase options that work on the composed phrase, in command-line
// order: --lock LIST, --reroll, --reroll-rhythm, --mutate K, the form's
// sections (--reroll-section, --lock-section, --copy-section); and
// --notes, its note list.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "arguments.h"
#include "arrangement.h"
#include "engine_state.h"
#include "groove_settings.h"
#include "phrase.h"
#include "settings.h"

namespace volemo::cli {

struct PhraseOperation {
  enum Kind { Lock, Reroll, RerollRhythm, Mutate, On, RerollSection, LockSection, CopySection } kind;
  std::vector<std::pair<int, int>> ranges;  // Lock: note numbers, low to high
  int count = 0;             // Mutate: K
  std::string option;        // as given, for messages; On: the part's name or "all"
  std::string section = {};  // the sections: a number from 1 or a name (A, B')
  char letter = 0;           // CopySection: the letter copied over
};

// Takes the next argument when it is one of these operations and returns
// true; throws UsageError for a bad list or count.
bool TakePhraseOperation(ArgumentReader& args, std::vector<PhraseOperation>& operations);

// Runs them in order on the melody, or on the parts the last --on named (a
// section's re-roll and copy on the melody, whose form it is); a lock of a
// note the part does not have, a part not composed, or a section the form
// (groove.form) does not have throws UsageError.
void ApplyPhraseOperations(const std::vector<PhraseOperation>& operations, Arrangement& arrangement,
                           const GrooveSettings& groove, const Settings& settings, EngineState& state);

// One line a note, tab-separated: number, start tick, sounding ticks, MIDI
// key, name with octave, locked 0/1, and with parts the part's name (notes
// numbered within each part); LF line breaks.
std::string NoteList(const Arrangement& arrangement);

extern const char kPhraseOperationsHelp[];

}  // namespace volemo::cli
