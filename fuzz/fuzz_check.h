// A fuzzer's own assertion: abort, so libFuzzer keeps the input that broke
// a promise the sanitizers cannot see.
#pragma once

#include <cstdlib>

inline void Check(bool condition) {
  if (!condition) std::abort();
}
