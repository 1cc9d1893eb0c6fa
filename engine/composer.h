// Turns the rhythm pattern and the settings into the MML document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine_state.h"
#include "groove_settings.h"
#include "melody_line.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

// What a melody adds to the phrase: the line's shape, the chords under it,
// at least minSteps steps (a progression's bars; a form sets its own
// length), and a text written before
// the header (a part's opening). The defaults add nothing.
struct MelodyOptions {
  LineSettings line;
  ChordTimeline chords;
  int minSteps = 0;
  std::string opening;
};

// Draws a pattern first when the pattern box is empty or holds only blanks
// and line breaks; puts the document in the MML box and reports it on the
// status line. The step count is capped at its field's maximum at use; a
// pattern without any step symbol is read once (its blanks, no notes).
// Returns the phrase with its notes, all unlocked. The groove shapes its
// pattern, timing, velocities, meter and form; at its defaults the phrase is
// the pattern's steps four times over. The melody's options shape the line
// (under a form, each section's); its Reroll and Mutate then draw by the
// same line.
Phrase ComposePhrase(Settings& settings, EngineState& state, const GrooveSettings& groove = {},
                     const MelodyOptions& melody = {});

// One pass of steps, before the gate: notes with their written lengths,
// ties included, timed from the body's start.
struct PhraseBody {
  std::vector<std::string> texts;  // one more than notes, as a Phrase takes them
  std::vector<PhraseNote> notes;
  int64_t ticks = 0;               // the body's length
  int64_t leadingTieTicks = 0;     // ties before its first note or rest lengthen what played before it
  size_t tailFirst = 0, tailLast = 0;  // the notes a tie after the body lengthens
};

// The body of stepCount steps, drawing the pattern first when the box is
// empty; each key by the line when there is one, else by the note choice.
PhraseBody ComposeBody(Settings& settings, EngineState& state, const GrooveSettings& groove, int stepCount,
                       const MelodyLine* line = nullptr);

// The bodies one after the other between head and tail, each body's leading
// ties lengthening the last notes of the one before (and, when the bodies
// are repeated, the first's those of the last), the gate then applied.
Phrase JoinBodies(const std::string& head, std::vector<PhraseBody> bodies, std::string_view tail, bool repeated);

// The header, with the meter's command first when there is one.
std::string PhraseHead(const Settings& settings, const GrooveSettings& groove);

// The steps of one pass of the body: the step count, under a meter the
// fewest whole bars that hold it.
int BodySteps(const Settings& settings, const GrooveSettings& groove);

// Ticks of one step of the base note length (spnL's value), rounded to the
// nearest tick as the compiler does; 0 for a length the compiler refuses,
// and then the phrase's notes have no times.
int64_t StepTicks(int32_t noteValue);

}  // namespace volemo
