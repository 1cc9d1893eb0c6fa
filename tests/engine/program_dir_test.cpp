#include "program_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace volemo {
namespace {

TEST(ProgramDir, IsTheFolderOfTheRunningProgramNotTheWorkingDirectory) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path("/");
  const std::string dir = ProgramDir();
  std::filesystem::current_path(before);
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.front(), '/');
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(dir + "util_tests"));
}

}  // namespace
}  // namespace volemo
