// The options of the melody's line, the parts and the groove, shared by
// phrase, pattern and batch: each one of part_values.h's settings.
#pragma once

#include <string>

#include "arguments.h"
#include "arrangement.h"
#include "control_values.h"

namespace volemo::cli {

// Takes the next argument when it is one of them, adding its name and
// value to values, and returns true; throws UsageError for a bad value.
bool TakePartOption(ArgumentReader& args, ControlValues& values);

extern const char kArrangementOptionsHelp[];

// --chords-table: one line a bar of the body (at least one for each chord),
// tab-separated: bar from 1, start tick, symbol, the root's key and the
// chord's keys (comma-separated) as the chord part in chordKeys' range
// voices them; LF.
std::string ChordsTable(const Arrangement& arrangement, const PartVoicing& chordKeys);

}  // namespace volemo::cli
