// The engine over the in-memory settings record, set up from the options
// every engine command shares, in the order the window would see them:
// the scale file is loaded and "Major" applied as at start-up, then the
// scale is picked, the controls are set, and the pattern weights drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "arguments.h"
#include "arrangement.h"
#include "engine_state.h"
#include "memory_settings.h"
#include "part_values.h"
#include "phrase.h"

namespace volemo::cli {

inline constexpr std::string_view kStyleEntry = "--style";

struct SessionOptions {
  std::optional<uint32_t> seed;          // none: the clock, as the window does
  std::optional<std::string> scaleFile;  // a path; none: DataPath("Scale.dat")
  std::optional<std::string> scale;      // CP932
  std::optional<std::string> preset;     // UTF-8: a shipped or saved preset's name
  // control, CP932 value; in order. A control named kStyleEntry stands for
  // the controls learned from the MIDI file its value names.
  std::vector<std::pair<std::string, std::string>> sets;
  std::optional<std::string> pattern;    // CP932
  bool randomWeights = false;
  // The line, parts, groove, meter and form options as given (UTF-8), each
  // name an option's without its dashes; in order, over the preset's.
  ControlValues partValues;
};

// Takes the next argument when it is one of the shared options (or one of
// their friendly aliases) and returns true; throws UsageError for a bad
// value.
bool TakeSessionOption(ArgumentReader& args, SessionOptions& options);

// Help text of the shared options.
extern const char kSessionOptionsHelp[];

class Session {
 public:
  // Engine failures the window would show in its boxes (missing scale
  // file, no scale selected) go to stderr and the work carries on.
  explicit Session(const SessionOptions& options);
  // The session other's options give under another seed, without reading
  // the scale file again (a batch makes thousands from one). Nothing may
  // have been composed in other: the engine remembers its last note.
  Session(const Session& other, uint32_t seed);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  EngineState state;
  MemorySettings settings{state};
  PartSettings parts;  // the preset's, then the options' over them

 private:
  // Seeds the random source, then draws what the options ask to draw.
  void Seed(uint32_t seed);
  void Set(const std::string& control, const std::string& value);
  void SetStyle(const std::string& midiPath);
  // Returns the parts' settings the preset holds.
  ControlValues ApplyPreset(const std::string& name);
  void ApplySelectedScale();

  bool randomWeights_ = false;
};

// Composes the session's phrase under its groove, with the parts asked
// for; a form or meter the steps cannot fill is bad usage.
Arrangement Compose(Session& session);

// Writes CP932 bytes to stdout exactly as they are; throws
// std::runtime_error when they cannot all be written.
void WriteOutput(const std::string& bytes);

// Shows a message (UTF-8, as every exception text) on stderr.
void ReportOnStderr(const std::string& message);

}  // namespace volemo::cli
