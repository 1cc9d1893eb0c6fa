#include <gtest/gtest.h>

#include "test_support.h"

extern "C" int CheckDvorlinFromC(const char* midiPath);

namespace dvorlin::testing {
namespace {

TEST(CHeader, CompilesAsCAndKeepsItsPromisesFromAFreshStart) {
  ScratchDir dir;
  EXPECT_EQ(CheckDvorlinFromC(dir.File("temp.mid").c_str()), 0);
}

}  // namespace
}  // namespace dvorlin::testing
