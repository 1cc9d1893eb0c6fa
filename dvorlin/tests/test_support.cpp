#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "cp932.h"
#include "dvorlin.h"

namespace dvorlin::testing {

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dvorlin-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

CallResult CompileFile(const std::string& mml, const std::string& midiPath) {
  std::vector<char> buffer(4097, '\0');
  SetErrMsgLen(4096);
  const int32_t result = MMLtoMIDI(mml.c_str(), midiPath.c_str(), buffer.data());
  return {result, buffer.data()};
}

std::string Cp932(std::string_view utf8) { return volemo::Cp932FromUtf8(utf8); }
std::string Utf8(std::string_view cp932) { return volemo::Utf8FromCp932(cp932); }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace dvorlin::testing
