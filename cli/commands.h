// The subcommands of volemo-cli. Each reads its own options from args
// (the words after the subcommand's name) and returns the exit status;
// bad usage throws UsageError. A new subcommand is one more function here,
// its own file, and one more line in main.cpp's table.
#pragma once

#include "arguments.h"

namespace volemo::cli {

int RunPhrase(ArgumentReader& args);
int RunPattern(ArgumentReader& args);

}  // namespace volemo::cli
