// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace volemo::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "volemo-store-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string operator/(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace volemo::test
