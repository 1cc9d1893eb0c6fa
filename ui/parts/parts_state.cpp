#include "parts_state.h"

#include <algorithm>

#include "play_sequence.h"

namespace volemo {

PartsState::PartsState(QObject* parent) : QObject(parent) {}

const std::vector<std::string>& PartsState::Names() {
  static const std::vector<std::string> names = {"melody", "bass", "chords", "drums"};
  return names;
}

Phrase PartsState::Compose(Settings& settings, EngineState& state) {
  const Arrangement arrangement = ComposeArrangement(settings, state, settings_.arrangement, settings_.groove);
  const ArrangementSettings& parts = settings_.arrangement;
  const std::map<std::string, const PartVoicing*> voicings = {
      {"bass", &parts.bassVoicing}, {"chords", &parts.chordVoicing}, {"drums", &parts.drumVoicing}};
  std::map<std::string, int> stepProbability;
  for (const std::string& name : arrangement.names) {
    const auto voicing = voicings.find(name);
    stepProbability[name] = voicing == voicings.end() ? settings_.groove.stepProbability : voicing->second->stepProbability;
  }
  composed_ = {arrangement.chords, arrangement.names, arrangement.FirstNotes(), settings_.groove, stepProbability};
  return arrangement.Whole();
}

std::optional<int> PartsState::ChangePart(const std::string& name, PartOperation operation, Phrase& whole,
                                          const Settings& settings, EngineState& state) const {
  const auto& names = composed_.names;
  const std::vector<size_t> firstNotes = PartStarts(composed_.firstNotes, whole.Notes().size());
  const auto part = std::find(names.begin(), names.end(), name);
  if (part == names.end() || whole.Notes().size() != firstNotes.back()) return std::nullopt;
  const size_t p = static_cast<size_t>(part - names.begin());
  // The other parts' notes are held by locks for the operation, then get
  // their own locks back.
  std::vector<bool> locked;
  for (const PhraseNote& n : whole.Notes()) locked.push_back(n.locked);
  for (size_t i = 0; i < locked.size(); ++i)
    if (i < firstNotes[p] || i >= firstNotes[p + 1]) whole.SetLocked(static_cast<int>(i) + 1, true);
  const int unlocked = whole.UnlockedCount();
  if (unlocked > 0 && operation.kind == PartOperation::kMutate) whole.Mutate(operation.count, settings, state);
  else if (unlocked > 0) whole.Reroll(settings, state);
  for (size_t i = 0; i < locked.size(); ++i) whole.SetLocked(static_cast<int>(i) + 1, locked[i]);
  return operation.kind == PartOperation::kMutate ? std::min(operation.count, unlocked) : unlocked;
}

std::string PartsState::PartOfNote(size_t index, size_t wholeSize) const {
  const std::vector<size_t> first = PartStarts(composed_.firstNotes, wholeSize);
  if (first.size() < 2 || first.back() != wholeSize || index >= wholeSize) return {};
  const auto p = static_cast<size_t>(std::upper_bound(first.begin(), first.end(), index) - first.begin() - 1);
  return p < composed_.names.size() ? composed_.names[p] : std::string();
}

void PartsState::SetMuted(const std::string& name, bool on) {
  if (on) muted_.insert(name);
  else muted_.erase(name);
  Listen();
}

void PartsState::SetSoloed(const std::string& name, bool on) {
  if (on) soloed_.insert(name);
  else soloed_.erase(name);
  Listen();
}

std::vector<std::string> PartsState::Silent() const {
  std::vector<std::string> silent;
  for (const std::string& name : Names())
    if (soloed_.empty() ? muted_.contains(name) : !soloed_.contains(name)) silent.push_back(name);
  return silent;
}

void PartsState::Listen() {
  SetSilentParts(Silent());
  emit silentChanged();
}

}  // namespace volemo
