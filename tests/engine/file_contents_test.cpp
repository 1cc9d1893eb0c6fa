#include "file_contents.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace volemo {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// Each write leaves exactly its file, whole, and nothing beside it; a
// failure leaves what was there and says why.
TEST(ReplaceFileContents, PutsTheWholeFileInPlaceOrLeavesWhatWasThere) {
  char pattern[] = "/tmp/volemo-contents-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path dir = pattern;
  fs::create_directory(dir / "folder");
  const fs::path before = fs::current_path();
  fs::current_path(dir);

  const std::string longest(255, 'n');  // a part name must not grow it
  const struct {
    std::string path, bytes;
    int error;
  } cases[] = {
      {"a.mid", "new", 0},
      {"a.mid", "replaced", 0},
      {longest, "new", 0},
      {longest, "replaced", 0},
      {(dir / "b.mml").string(), std::string(100000, 'x'), 0},
      {"missing/c.mid", "x", ENOENT},
      {"folder", "x", EISDIR},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceFileContents(c.path, c.bytes), c.error) << c.path;
    if (c.error == 0) {
      EXPECT_EQ(Read(c.path), c.bytes) << c.path;
    }
  }
  EXPECT_EQ(Names(dir), (std::set<std::string>{"a.mid", "b.mml", "folder", longest}));
  EXPECT_TRUE(fs::is_empty(dir / "folder"));
  fs::current_path(before);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
