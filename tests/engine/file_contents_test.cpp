#include "file_contents.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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

// What a user set up around a file outlives its replacement: a symbolic
// link stays a link and its target gets the bytes; a replaced file keeps
// its permissions; a file the user may not write stays as it was.
TEST(ReplaceFileContents, KeepsLinksAndPermissions) {
  char pattern[] = "/tmp/volemo-contents-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path dir = pattern;
  fs::create_directory(dir / "real");
  std::ofstream(dir / "real/target.mid") << "old";
  fs::permissions(dir / "real/target.mid", fs::perms(0640));
  fs::create_symlink("real/target.mid", dir / "relative.mid");
  fs::create_symlink(dir / "relative.mid", dir / "chain.mid");  // a link to a link
  fs::create_symlink("real/new.mid", dir / "dangling.mid");
  const struct {
    const char* written;
    const char* holder;
    fs::perms mode;
  } cases[] = {
      {"relative.mid", "real/target.mid", fs::perms(0640)},
      {"chain.mid", "real/target.mid", fs::perms(0640)},
      {"dangling.mid", "real/new.mid", fs::perms(0644)},  // new: 0666 under the umask
  };
  const mode_t umaskBefore = umask(022);
  for (const auto& c : cases) {
    const std::string bytes = std::string("through ") + c.written;
    ASSERT_EQ(ReplaceFileContents((dir / c.written).string(), bytes), 0) << c.written;
    EXPECT_TRUE(fs::is_symlink(dir / c.written)) << c.written;
    EXPECT_EQ(Read(dir / c.holder), bytes) << c.written;
    EXPECT_EQ(fs::status(dir / c.holder).permissions(), c.mode) << c.written;
  }
  EXPECT_EQ(Names(dir / "real"), (std::set<std::string>{"new.mid", "target.mid"}));
  if (geteuid() != 0) {  // the superuser may write anything
    fs::permissions(dir / "real/target.mid", fs::perms(0440));
    EXPECT_EQ(ReplaceFileContents((dir / "relative.mid").string(), "refused"), EACCES);
    EXPECT_EQ(Read(dir / "real/target.mid"), "through chain.mid");
  }
  umask(umaskBefore);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
