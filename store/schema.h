// The database's schema as a list of steps: step i brings a database at
// PRAGMA user_version i to i + 1. A released step is never edited; a change
// is a new step at the end, so every older file can be brought forward.
#pragma once

#include <span>

namespace volemo {

std::span<const char* const> SchemaSteps();

}  // namespace volemo
