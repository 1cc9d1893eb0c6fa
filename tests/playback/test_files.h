// Files of the playback tests, in a folder of this test process's own, so
// that test binaries running side by side never share one.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace volemo::test {

inline const std::string& TestDir() {
  static const std::string dir = [] {
    std::string pattern = "/tmp/volemo-playback-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern + "/";
  }();
  return dir;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace volemo::test
