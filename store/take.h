// What the store keeps: takes (every phrase a command made, with what made
// it) and presets (settings under a name). Texts here are UTF-8, as SQLite
// and the command line's JSON want them; the engine's CP932 texts cross in
// snapshot.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "control_values.h"
#include "volemo_error.h"

namespace volemo {

// A database that cannot be opened, read or written. what() is UTF-8 and
// names the file and SQLite's reason.
class StoreError : public Error {
 public:
  using Error::Error;
};

struct Take {
  int64_t id = 0;                 // given by the store
  std::string created;            // ISO 8601 UTC ("2026-12-08T01:40:12.345Z"); empty: now
  std::string operation;          // "make", "make-and-play", "random-make-and-play", "play", "edit", ...
  std::optional<int64_t> parent;  // the take the phrase came from; gone when that was deleted
  ControlValues controls;         // every control by name, as --set takes it (UTF-8)
  std::string scale;              // the selected scale's name, empty when none
  std::array<int, 12> weights{};  // the scale weights, C first
  ControlValues parts;            // the line, parts, groove, meter and form off their defaults (part_values.h)
  std::string pattern, mml;       // the two boxes, lines ending in CR LF
  uint32_t randomState = 0;       // the random source's seed before the command
  bool starred = false;
  std::string name;
};

struct Preset {
  std::string name;
  std::string scale;       // picked by name, so a reordered scale file does not matter
  ControlValues controls;  // the controls it sets, in the order to set them (UTF-8)
  bool shipped = false;
  ControlValues parts;     // the line, parts, groove, meter and form off their defaults    // comes with the program: cannot be renamed or deleted
};

}  // namespace volemo
