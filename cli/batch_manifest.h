// DIR/manifest.jsonl: one JSON object a line for each phrase of a batch
// whose files are complete. It is the batch's only record: a phrase it does
// not list is made again when the batch runs again.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "session.h"

namespace volemo::cli {

using Json = nlohmann::ordered_json;

// The scale's name and every control's value, as the phrase of session is
// composed from them (texts in UTF-8): a JSON object.
std::string SettingsOf(const Session& session);

struct PhraseRecord {
  uint32_t index = 0;
  uint32_t seed = 0;
  std::vector<std::string> files;  // names inside the batch's folder
  std::string pattern;             // CP932, as the phrase was composed from it
  int notes = 0;
  int ticks = 0;
  double seconds = 0;
  std::string settings;             // SettingsOf the phrase's session
  std::vector<std::string> progression;  // the chords' symbols, one a bar; empty without chords
};

// The record as one line of the manifest, "\n" included.
std::string ManifestLine(const PhraseRecord& record);

// The lines of the manifest at path by index, each parsed back into a
// record; none when there is no file. A line cut short (a batch killed
// while writing it) is left out; a line of another format throws
// std::runtime_error: the file is not a batch's, and is not to be replaced.
std::map<uint32_t, PhraseRecord> ReadManifest(const std::string& path);

// Writes the lines in the order of their indices to a new file and renames
// it over path. Throws std::runtime_error naming path.
void ReplaceManifest(const std::string& path, const std::map<uint32_t, std::string>& lines);

}  // namespace volemo::cli
