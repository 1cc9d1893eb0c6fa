// The options of the melody's line and of the parts, shared by phrase and
// batch.
#pragma once

#include "arguments.h"
#include "arrangement.h"

namespace volemo::cli {

// Takes the next argument when it is one of them and returns true; throws
// UsageError for a bad value.
bool TakeArrangementOption(ArgumentReader& args, ArrangementSettings& arrangement);

extern const char kArrangementOptionsHelp[];

}  // namespace volemo::cli
