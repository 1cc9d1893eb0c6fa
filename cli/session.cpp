#include "session.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <stdexcept>

#include "control_values.h"
#include "presets.h"
#include "snapshot.h"
#include "take_store.h"
#include "composer.h"
#include "cp932.h"
#include "engine_error.h"
#include "language.h"
#include "program_dir.h"
#include "random_source.h"
#include "rhythm_pattern.h"
#include "scale_table.h"
#include "style.h"
#include "message_format.h"
#include "translatable.h"

namespace volemo::cli {

namespace {

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The scale named exactly name, else the one scale whose name differs only
// in letter case. The names are compared as UTF-8: a CP932 trail byte can
// look like an ASCII letter.
int FindScale(const std::vector<std::string>& names, const std::string& name, const std::string& path) {
  const auto exact = std::find(names.begin(), names.end(), name);
  if (exact != names.end()) return static_cast<int>(exact - names.begin());
  const std::string wanted = AsciiLower(Utf8FromCp932(name));
  std::vector<std::string> matches;
  int found = -1;
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string utf8 = Utf8FromCp932(names[i]);
    if (AsciiLower(utf8) != wanted) continue;
    matches.push_back("\"" + utf8 + "\"");
    found = static_cast<int>(i);
  }
  if (matches.size() == 1) return found;
  const std::string given = "\"" + Utf8FromCp932(name) + "\"";
  if (matches.empty())
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "%2 に %1 という名前のスケールはありません（'volemo-cli scales' を参照）"), {given, path}));
  std::string list;
  for (const std::string& m : matches) list += (list.empty() ? "" : ", ") + m;
  throw UsageError(FormatMessage(
      QT_TRANSLATE_NOOP("Message", "スケールの名前 %1 は大文字と小文字のほかは %2 と同じです。どれかをそのとおりに指定してください"),
      {given, list}));
}

}  // namespace

// The random source has no part in reading the scale file and setting the
// controls, so the seed and the drawing can come last.
Session::Session(const SessionOptions& options) : randomWeights_(options.randomWeights) {
  const std::string path = options.scaleFile ? *options.scaleFile : DataPath("Scale.dat");
  try {
    const auto warn = [](const std::string& text, const std::string& caption) {
      ReportOnStderr(Said(caption) + ": " + Said(text));
    };
    const int selected = LoadScaleTable(state, path, warn, options.scaleFile ? path : "Scale.dat");
    settings.SetIndex("cmbScale", selected);
    ApplySelectedScale();
  } catch (const EngineError& e) {
    ReportOnStderr(e.what());  // an unreadable file: the list stays empty
  }

  if (options.scale) {
    settings.SetIndex("cmbScale", FindScale(state.scaleNames, *options.scale, path));
    ApplySelectedScale();
  }
  ControlValues partValues;
  if (options.preset) partValues = ApplyPreset(*options.preset);
  partValues.insert(partValues.end(), options.partValues.begin(), options.partValues.end());
  try {
    parts = ReadPartValues(partValues);
  } catch (const std::invalid_argument& e) {
    // The name, a blank and the reason.
    const std::string what = e.what();
    const size_t blank = std::min(what.find(' '), what.size());
    throw UsageError("--" + what.substr(0, blank) + ' ' + Said(what.substr(std::min(blank + 1, what.size()))));
  }
  for (const auto& [control, value] : options.sets) {
    if (control == kStyleEntry) SetStyle(value);
    else Set(control, value);
  }
  if (options.pattern) settings.SetPatternText(*options.pattern);
  Seed(options.seed ? *options.seed : ClockSeed());
}

Session::Session(const Session& other, uint32_t seed)
    : state(other.state), settings(state, other.settings), parts(other.parts), randomWeights_(other.randomWeights_) {
  Seed(seed);
}

void Session::Seed(uint32_t seed) {
  state.random.Seed(seed);
  // Every weight is drawn anew, whatever the session copied held.
  if (randomWeights_) RandomizePatternWeights(settings, state);
}

// Re-applies the selected scale in the selected key, as picking a scale or
// a key in the window does.
void Session::ApplySelectedScale() {
  try {
    ApplyScale(settings, state);
  } catch (const EngineError& e) {
    ReportOnStderr(e.what());
  }
}

ControlValues Session::ApplyPreset(const std::string& name) {
  const auto named = [&](const Preset& p) { return p.name == name; };
  std::vector<Preset> presets(ShippedPresets().begin(), ShippedPresets().end());
  // Only a preset that does not come with the program needs the database.
  if (std::none_of(presets.begin(), presets.end(), named)) {
    const TakeStore store(TakesDatabasePath());
    presets = AllPresets(&store);
  }
  const auto preset = std::find_if(presets.begin(), presets.end(), named);
  if (preset == presets.end())
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "\"%1\" という名前のプリセットはありません（'volemo-cli presets list' を参照）"), {name}));
  if (!RestoreSettings(settings, state, preset->scale, preset->controls))
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "プリセット \"%1\" はスケール \"%2\" を使いますが、スケール定義ファイルにありません"),
        {name, preset->scale}));
  return preset->parts;
}

void Session::Set(const std::string& control, const std::string& value) {
  try {
    SetControl(settings, state, control, value);
  } catch (const EngineError& e) {
    ReportOnStderr(e.what());  // no scale to apply: the weights stay
  } catch (const std::logic_error& e) {  // a bad value or list index
    throw UsageError(e.what());
  }
}

void Session::SetStyle(const std::string& midiPath) {
  for (const auto& [control, value] : StyleControls(LearnStyle(ReadPieceNotes(midiPath, {}), state)))
    Set(control, value);
}

Arrangement Compose(Session& session) {
  try {
    return ComposeArrangement(session.settings, session.state, session.parts.arrangement, session.parts.groove);
  } catch (const std::invalid_argument& e) {
    throw UsageError(Said(e.what()));
  }
}

void WriteOutput(const std::string& bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw std::runtime_error(QT_TRANSLATE_NOOP("Message", "標準出力に書き込めません"));
}

void ReportOnStderr(const std::string& message) { std::cerr << "volemo-cli: " << Said(message) << '\n'; }

}  // namespace volemo::cli
