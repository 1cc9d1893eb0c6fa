// A composed phrase that knows its notes: where each stands in the MML
// text, when it sounds, its key and whether it is locked. Its operations
// redraw the keys of unlocked notes and write the MML again; the pattern,
// every gate and mute decision, every bend and the timing stay as composed.
// A phrase that knows its frame (the text around its body and its step)
// also takes hand edits and a new rhythm: its body is then written anew
// from its notes (phrase_edit.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine_state.h"
#include "settings.h"

namespace volemo {

struct PhraseNote {
  int number = 0;        // 1.. in the order the notes stand in the MML text
  size_t textBegin = 0;  // the note's text (octave marks and name) is
  size_t textEnd = 0;    //   Mml()[textBegin, textEnd)
  int64_t startTick = 0;      // 480 ticks a quarter note, body start = 0
  int64_t soundingTicks = 0;  // after the gate, ties included; 0 at gate 0
  int key = 0;                // the note number, which is the MIDI key (o4c = 48)
  int gate = 100;             // percent in force for the note
  char symbol = 'N';          // the pattern symbol it belongs to: N m B W d
  bool locked = false;
  int64_t lengthTicks = 0;    // written, ties included, before the gate
  int velocity = 100;         // in force for the note
  bool startsPart = false;    // written with its octave, as the first note of a part (an arrangement's)
};

// How long a note written for ticks (ties included) sounds under gate
// percent, as the compiler plays it: not at all at gate 0, else at least
// a tick.
int64_t SoundingTicks(int64_t ticks, int gate);

// What stands around a phrase's body: the text before it (header, repeat
// opening) and after it, the body's length and its step (the length a
// written step takes without a length of its own).
struct PhraseFrame {
  std::string head, tail;
  int64_t bodyTicks = 0;
  int64_t stepTicks = 0;
};

class Phrase {
 public:
  Phrase() = default;
  // texts[i] stands before note i and texts.back() after the last note, so
  // texts holds one more entry than notes. Each note gives its key, timing,
  // gate and symbol; numbers, text offsets and the MML are filled in here.
  Phrase(std::vector<std::string> texts, std::vector<PhraseNote> notes);

  // The MML document exactly as written.
  const std::string& Mml() const { return mml_; }
  // Indexed by number - 1.
  const std::vector<PhraseNote>& Notes() const { return notes_; }
  // Throws std::out_of_range for a number that is not 1..Notes().size().
  const PhraseNote& Note(int number) const { return notes_[IndexOf(number)]; }

  // How Reroll and Mutate draw the key of notes[index], the notes before it
  // holding their keys: the note choice (PickNote) unless one is given.
  using KeyChooser =
      std::function<int(const std::vector<PhraseNote>& notes, size_t index, const Settings&, EngineState&)>;
  void SetKeyChooser(KeyChooser chooser) { chooser_ = std::move(chooser); }
  // Empty: the note choice.
  const KeyChooser& Chooser() const { return chooser_; }

  void SetFrame(PhraseFrame frame) { frame_ = std::move(frame); }
  const PhraseFrame& Frame() const { return frame_; }
  // Whether Rewrite and RerollRhythm may work: the body and step are known.
  bool Rewritable() const { return frame_.stepTicks > 0 && frame_.bodyTicks > 0; }

  // Throws std::out_of_range for a number that is not 1..Notes().size().
  void SetLocked(int number, bool locked);
  void SetAllLocked(bool locked);
  int UnlockedCount() const;

  // Redraws the key of every unlocked note by the note choice (range and
  // scale weights as the settings hold them now), in text order, and
  // writes the MML again: octave marks follow the new keys.
  void Reroll(const Settings& settings, EngineState& state);

  // Redraws k unlocked notes chosen at random (every unlocked note when
  // fewer are unlocked); a redrawn key may come out as it was. Throws
  // std::invalid_argument for k < 0.
  void Mutate(int k, const Settings& settings, EngineState& state);

  // A hand edit of one key (0..127): the rest of the text stays as it is.
  // Throws std::out_of_range for a number or key out of range.
  void SetKey(int number, int key);

  // The body written anew from notes (their start, written length, key,
  // gate, velocity, symbol and lock; numbers and text places are filled
  // in): by start, the notes of one start a chord of the shortest length
  // among them, each note ending by the next start and the body's end.
  // Throws std::logic_error when not Rewritable(), std::invalid_argument for
  // a note starting outside the body.
  void Rewrite(std::vector<PhraseNote> notes);

  // Draws the rhythm symbols of every step no locked note sounds in, as a
  // drawn pattern does (the gates and mute rate as the settings hold them
  // now, the velocity that of spnV), then the keys of the notes they make
  // by the note choice. Locked notes keep their times and keys. Throws
  // std::logic_error when not Rewritable().
  void RerollRhythm(const Settings& settings, EngineState& state);

 private:
  size_t IndexOf(int number) const;  // throws std::out_of_range
  std::vector<size_t> UnlockedIndexes() const;  // in text order
  void Write();
  void Redraw(const std::vector<size_t>& indexes, const Settings& settings, EngineState& state);

  std::vector<std::string> texts_;
  std::vector<PhraseNote> notes_;
  std::string mml_;
  KeyChooser chooser_;
  PhraseFrame frame_;
};

// Throws std::out_of_range for a key that is not a MIDI key (0..127).
void CheckKey(int key);

// Empty when the operations may work on phrase while the MML box holds
// boxText; otherwise why not, as a Japanese status text (CP932): no phrase
// composed yet (phrase is null), or the box no longer holds exactly the
// text the phrase wrote (a hand edit, which must not be overwritten).
std::string WhyPhraseUnavailable(const Phrase* phrase, std::string_view boxText);

}  // namespace volemo
