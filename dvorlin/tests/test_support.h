// What the library's tests share: a scratch folder, the C call with a
// message buffer, and CP932 from the UTF-8 the tests are written in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dvorlin::testing {

// A new empty folder, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(std::string_view name) const { return (path_ / name).string(); }
  std::vector<std::string> Names() const;  // sorted

 private:
  std::filesystem::path path_;
};

struct CallResult {
  int32_t result;
  std::string message;  // CP932
};

// MMLtoMIDI with a 4096-byte buffer.
CallResult CompileFile(const std::string& mml, const std::string& midiPath);

std::string Cp932(std::string_view utf8);
std::string Utf8(std::string_view cp932);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace dvorlin::testing
