// The groove, meter and form options of phrase, pattern and batch.
#pragma once

#include <optional>
#include <string>

#include "arguments.h"
#include "groove_settings.h"

namespace volemo::cli {

struct GrooveOptions {
  GrooveSettings groove;
  std::optional<std::string> beats;  // applied to the meter once every option is read
};

// Takes the next argument when it is a groove option and returns true;
// throws UsageError for a bad value.
bool TakeGrooveOption(ArgumentReader& args, GrooveOptions& options);

// The settings the options give: --beats applies to --meter (4/4 without
// one) in whatever order they came. Throws UsageError for beats that do not
// fill the bar.
GrooveSettings FinishGroove(const GrooveOptions& options);

extern const char kGrooveOptionsHelp[];

}  // namespace volemo::cli
