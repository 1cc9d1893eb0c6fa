// Operations on the sections of a phrase composed in a form. A section's
// notes are those of the phrase's first part (the melody, which the form
// shapes) that start in its bars; sections of one name (A, A, or A', A')
// are the same notes and stay so, and a primed name is a variation of its
// letter. Each operation throws EngineError, with the reason, for a phrase
// without a form, a section number outside the form, or a phrase whose
// section lines ("// A") are not those of the form (the form was changed
// after the phrase was composed).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine_state.h"
#include "groove_settings.h"
#include "phrase.h"
#include "phrase_form.h"
#include "settings.h"

namespace volemo {

struct SectionSpan {
  FormSection section;
  int64_t start = 0, end = 0;  // ticks from the body's start

  std::string Name() const { return section.Name(); }
};

// The form's sections one after the other, each groove.sectionBars bars of
// the meter; none without a form. Throws as ParseForm does.
std::vector<SectionSpan> FormSpans(const GrooveSettings& groove);

// The section by its number from 1 or its name (A, B'): the number's
// section, or every section of that name; empty when there is none.
std::vector<size_t> FindSections(const GrooveSettings& groove, const std::string& which);

// New keys for the section's unlocked notes, by the phrase's key choice.
// Every section of its name gets the same keys (a note locked in any of
// them holds its key in all). Re-rolling a letter carries its primed
// sections along: their notes that were the letter's take the letter's new
// keys, their varied and locked notes keep theirs. Re-rolling a primed
// section draws its variation anew: the letter's notes with
// groove.variation of them redrawn (a new letter's notes when the form has
// no plain section of the letter). A section whose rhythm was changed by
// hand is no longer the same notes and does not follow.
void RerollSection(Phrase& phrase, const GrooveSettings& groove, size_t section, const Settings& settings,
                   EngineState& state);

// Locks or unlocks every note of the phrase (of every part) that starts in
// the section's bars.
void LockSection(Phrase& phrase, const GrooveSettings& groove, size_t section, bool locked);

// Makes the letter's sections the section's notes: its text, rhythm, keys
// and locks in place of theirs, each primed section of the letter then a
// variation of them (groove.variation notes redrawn). The form stays as it
// is: the letter keeps its sections, now playing the copied notes, and a
// later re-roll of it draws notes of its own again. Throws EngineError when
// the letter is not in the form, is the section's own, holds locked notes
// (they would be lost), or the phrase has lost its section lines (a rhythm
// written anew).
void CopySection(Phrase& phrase, const GrooveSettings& groove, size_t section, char letter, const Settings& settings,
                 EngineState& state);

}  // namespace volemo
