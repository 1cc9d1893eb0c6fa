// Runs the real volemo-cli binary and collects what it writes.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace volemo {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out, err;
};

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// shell: commands for sh to run first (limits, traps), ending in "exec ".
inline Result RunCli(const std::vector<std::string>& args, const std::string& shell = "") {
  const fs::path dir = fs::temp_directory_path();
  const fs::path out = dir / ("volemo-cli-out-" + std::to_string(getpid()));
  const fs::path err = dir / ("volemo-cli-err-" + std::to_string(getpid()));
  std::string command = shell + "'" VOLEMO_CLI "'";
  for (const std::string& a : args) {
    std::string quoted;
    for (char c : a) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += " '" + quoted + "'";
  }
  command += " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
  fs::remove(out);
  fs::remove(err);
  return r;
}

}  // namespace volemo
