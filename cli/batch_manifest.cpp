#include "batch_manifest.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "controls.h"
#include "cp932.h"
#include "file_contents.h"
#include "input_file.h"
#include "message_format.h"
#include "translatable.h"

namespace volemo::cli {

std::string SettingsOf(const Session& session) {
  Json settings = Json::object();
  const int scale = session.settings.Index("cmbScale");
  const auto& names = session.state.scaleNames;
  settings["scale"] = scale >= 0 && scale < static_cast<int>(names.size()) ? Json(Utf8FromCp932(names[scale])) : Json();
  for (const ControlInfo& c : AllControls()) {
    Json& value = settings[std::string(c.name)];
    switch (c.kind) {
      case ControlKind::Spin:
        value = Utf8FromCp932(session.settings.Text(c.name));
        break;
      case ControlKind::Slider:
        value = session.settings.Position(c.name);
        break;
      case ControlKind::List:
        value = session.settings.Index(c.name);
        break;
      case ControlKind::Check:
        value = session.settings.IsChecked(c.name);
        break;
    }
  }
  // Only a batch that uses them records the groove settings, so a batch
  // without them keeps its manifest as it was.
  const GrooveSettings& g = session.parts.groove;
  if (!(g == GrooveSettings{})) {
    Json groove = {{"stepProbability", g.stepProbability}, {"swing", g.swing},
                   {"swingGrid", g.swingGrid},             {"humanizeTime", g.humanizeTime},
                   {"humanizeVelocity", g.humanizeVelocity}, {"beatAccent", g.beatAccent},
                   {"barAccent", g.barAccent},             {"form", g.form},
                   {"sectionBars", g.sectionBars},         {"variation", g.variation}};
    groove["euclid"] = g.euclid ? Json::array({g.euclid->onsets, g.euclid->steps, g.euclid->rotation}) : Json();
    groove["meter"] = g.meter ? Json(std::to_string(g.meter->numerator) + "/" + std::to_string(g.meter->denominator))
                              : Json();
    groove["beats"] = g.meter ? Json(BeatsText(g.meter->beats)) : Json();
    settings["groove"] = std::move(groove);
  }
  // And the line and the parts, as their options name them.
  const ControlValues line = PartValues({session.parts.arrangement, {}});
  if (!line.empty()) {
    Json parts = Json::object();
    for (const auto& [name, value] : line) parts[name] = value;
    settings["parts"] = std::move(parts);
  }
  return settings.dump();
}

std::string ManifestLine(const PhraseRecord& r) {
  const Json line = {{"index", r.index}, {"seed", r.seed},   {"files", r.files}, {"pattern", Utf8FromCp932(r.pattern)},
                     {"notes", r.notes}, {"ticks", r.ticks}, {"seconds", r.seconds}};
  // The settings, the same for most phrases of a batch, come dumped already.
  std::string text = line.dump();
  text.pop_back();
  if (!r.progression.empty()) text += ",\"progression\":" + Json(r.progression).dump();
  return text + ",\"settings\":" + r.settings + "}\n";
}

std::map<uint32_t, PhraseRecord> ReadManifest(const std::string& path) {
  if (const auto failure = CheckInputFile(path))
    throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 を読み込めません: %2"), {path, failure->reason}));
  std::map<uint32_t, PhraseRecord> records;
  std::ifstream in(path, std::ios::binary);
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    if (in.eof()) break;  // no line break: cut short
    const Json line = Json::parse(text, nullptr, false);
    try {
      PhraseRecord r;
      r.index = line.at("index").get<uint32_t>();
      r.seed = line.at("seed").get<uint32_t>();
      r.files = line.at("files").get<std::vector<std::string>>();
      r.pattern = Cp932FromUtf8(line.at("pattern").get<std::string>());
      r.notes = line.at("notes").get<int>();
      r.ticks = line.at("ticks").get<int>();
      r.seconds = line.at("seconds").get<double>();
      r.settings = line.at("settings").dump();
      if (line.contains("progression")) r.progression = line.at("progression").get<std::vector<std::string>>();
      records[r.index] = std::move(r);
    } catch (const std::exception&) {
      // A discarded parse is not an object either.
      throw std::runtime_error(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "%1 はバッチのマニフェストではありません（%2 行目）。別のフォルダを指定するか、ファイルを取り除いてください"),
          {path, std::to_string(number)}));
    }
  }
  return records;
}

void ReplaceManifest(const std::string& path, const std::map<uint32_t, std::string>& lines) {
  std::string text;
  for (const auto& [index, line] : lines) text += line;
  if (const int error = ReplaceFileContents(path, text); error != 0)
    throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 に書き込めません: %2"), {path, std::strerror(error)}));
}

}  // namespace volemo::cli
