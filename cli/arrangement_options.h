// The options of the melody's line and of the parts, shared by phrase and
// batch.
#pragma once

#include <string>

#include "arguments.h"
#include "arrangement.h"

namespace volemo::cli {

// Takes the next argument when it is one of them and returns true; throws
// UsageError for a bad value.
bool TakeArrangementOption(ArgumentReader& args, ArrangementSettings& arrangement);

extern const char kArrangementOptionsHelp[];

// --chords-table: one line a bar of the body (at least one for each chord),
// tab-separated: bar from 1, start tick, symbol, the root's key and the
// chord's keys (comma-separated) as the chord part voices them; LF.
std::string ChordsTable(const Arrangement& arrangement);

}  // namespace volemo::cli
