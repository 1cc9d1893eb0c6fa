// The window's parts: the line, parts, groove, meter and form settings its
// phrases are composed under (the panels change them, takes and presets
// carry them), the parts of the last phrase, and which parts are muted or
// soloed in what plays.
#pragma once

#include <QObject>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "arrangement.h"
#include "part_values.h"

namespace volemo {

// What the last composed phrase is made of: its chords, one a bar (none
// without), its parts' names with where each starts in the whole, and the
// groove and form it was composed under (the panel may have changed since).
struct ComposedParts {
  std::vector<music::Chord> chords;
  std::vector<std::string> names;
  std::vector<size_t> firstNotes;
  GrooveSettings groove;
  // Percent a step of each part composed sounds, the melody's the groove's.
  std::map<std::string, int> stepProbability;
};

// An operation on one part alone: a re-roll of its unlocked notes, or a
// mutate of count of them.
struct PartOperation {
  enum Kind { kReroll, kMutate } kind = kReroll;
  int count = 0;  // the notes a mutate redraws
};

class PartsState : public QObject {
  Q_OBJECT

 public:
  explicit PartsState(QObject* parent = nullptr);

  // Every part there can be, the melody first.
  static const std::vector<std::string>& Names();

  PartSettings& settings() { return settings_; }
  // The chords the last phrase was composed over, one a bar; none without.
  const std::vector<music::Chord>& Chords() const { return composed_.chords; }
  // Kept with a take's phrase, and put back with it.
  const ComposedParts& Composed() const { return composed_; }
  void SetComposed(ComposedParts composed) { composed_ = std::move(composed); }
  // Says the settings changed (a panel, a take or a preset put them).
  void SettingsChanged() { emit changed(); }

  // Composes under the settings and keeps the parts: every part as one
  // phrase, the melody alone as ComposePhrase makes it.
  Phrase Compose(Settings& settings, EngineState& state);

  // Does the operation to the unlocked notes of one part of whole (the last
  // composed phrase, as operations left it) and to no other note. Returns
  // how many notes it redrew: 0, doing nothing, when the part has none
  // unlocked; none when whole is not made of the last composed parts or
  // has no such part.
  std::optional<int> ChangePart(const std::string& name, PartOperation operation, Phrase& whole,
                                const Settings& settings, EngineState& state) const;

  // The part of whole's note at index, whole being the last composed
  // phrase of wholeSize notes; empty when it is not made of those parts.
  std::string PartOfNote(size_t index, size_t wholeSize) const;

  bool Muted(const std::string& name) const { return muted_.contains(name); }
  bool Soloed(const std::string& name) const { return soloed_.contains(name); }
  void SetMuted(const std::string& name, bool on);
  void SetSoloed(const std::string& name, bool on);
  // The parts left out of what plays: with any soloed, every other part;
  // else the muted ones.
  std::vector<std::string> Silent() const;

 signals:
  void changed();
  // Mute or solo changed which parts play.
  void silentChanged();

 private:
  void Listen();

  PartSettings settings_;
  ComposedParts composed_;
  std::set<std::string> muted_, soloed_;
};

}  // namespace volemo
