// Files of the playback tests, in a folder of this test process's own, so
// that test binaries running side by side never share one.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace volemo::test {

// Made at the first call and removed, with everything in it, when the
// process ends: after the shared synthesizer, which is made later and so
// stops writing into the folder first.
inline const std::string& TestDir() {
  struct Folder {
    std::string path;
    Folder() {
      std::string pattern = "/tmp/volemo-playback-XXXXXX";
      if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
      path = pattern + "/";
    }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  };
  static const Folder folder;
  return folder.path;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace volemo::test
