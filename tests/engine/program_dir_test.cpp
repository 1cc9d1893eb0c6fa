#include "program_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace volemo {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDir, IsTheFolderOfTheRunningProgramNotTheWorkingDirectory) {
  const fs::path before = fs::current_path();
  fs::current_path("/");
  const std::string dir = ProgramDir();
  fs::current_path(before);
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.front(), '/');
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(fs::exists(dir + "util_tests"));
}

// An installed tree: ROOT/bin/ holds the program, ROOT/share/volemo/ the data.
TEST(DataPath, BesideTheProgramWinsThenTheInstalledDataFolderThenBesideAgain) {
  char pattern[] = "/tmp/volemo-data-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path root = pattern;
  const std::string bin = (root / "bin").string() + "/";
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share/volemo/manual");
  for (const char* file : {"share/volemo/Scale.dat", "share/volemo/manual/index.html", "bin/soundfont.sf2"})
    std::ofstream(root / file) << "x";
  fs::create_symlink("nowhere", root / "bin/broken.dat");

  const struct {
    const char* name;
    fs::path expected;
  } cases[] = {
      {"Scale.dat", root / "share/volemo/Scale.dat"},
      {"manual/index.html", root / "share/volemo/manual/index.html"},
      {"soundfont.sf2", root / "bin/soundfont.sf2"},
      {"broken.dat", root / "bin/broken.dat"},  // reported by its reader, not passed over
      {"missing.dat", root / "bin/missing.dat"},
  };
  for (const auto& c : cases) EXPECT_EQ(DataPathIn(bin, c.name), c.expected.string()) << c.name;

  std::ofstream(root / "bin/Scale.dat") << "mine";
  EXPECT_EQ(DataPathIn(bin, "Scale.dat"), (root / "bin/Scale.dat").string());
  fs::remove_all(root);
}

}  // namespace
}  // namespace volemo
