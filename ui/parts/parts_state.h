// The window's parts: the line, parts, groove, meter and form settings its
// phrases are composed under (the panels change them, takes and presets
// carry them), the parts of the last phrase, and which parts are muted or
// soloed in what plays.
#pragma once

#include <QObject>
#include <set>
#include <string>
#include <vector>

#include "arrangement.h"
#include "part_values.h"

namespace volemo {

class PartsState : public QObject {
  Q_OBJECT

 public:
  explicit PartsState(QObject* parent = nullptr);

  // Every part there can be, the melody first.
  static const std::vector<std::string>& Names();

  PartSettings& settings() { return settings_; }
  // The chords the last phrase was composed over, one a bar; none without.
  const std::vector<music::Chord>& Chords() const { return chords_; }
  // Says the settings changed (a panel, a take or a preset put them).
  void SettingsChanged() { emit changed(); }

  // Composes under the settings and keeps the parts: every part as one
  // phrase, the melody alone as ComposePhrase makes it.
  Phrase Compose(Settings& settings, EngineState& state);

  // Redraws the unlocked notes of one part of whole (the last composed
  // phrase, as operations left it) and no other. False when whole is not
  // made of the last composed parts or has no such part.
  bool RerollPart(const std::string& name, Phrase& whole, const Settings& settings, EngineState& state) const;

  bool Muted(const std::string& name) const { return muted_.contains(name); }
  bool Soloed(const std::string& name) const { return soloed_.contains(name); }
  void SetMuted(const std::string& name, bool on);
  void SetSoloed(const std::string& name, bool on);
  // The parts left out of what plays: with any soloed, every other part;
  // else the muted ones.
  std::vector<std::string> Silent() const;

 signals:
  void changed();

 private:
  void Listen();

  PartSettings settings_;
  std::vector<music::Chord> chords_;
  std::vector<std::string> names_;  // of the last composed parts
  std::vector<size_t> firstNotes_;  //   and where each starts in the whole
  std::set<std::string> muted_, soloed_;
};

}  // namespace volemo
