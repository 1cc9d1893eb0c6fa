#include "program_dir.h"

#include <filesystem>

namespace volemo {

std::string ProgramDir() {
  // Resolved once: the program's file does not move while it runs.
  static const std::string dir = [] {
    // Throws when /proc is not mounted: falling back to the working
    // directory would quietly read another Scale.dat.
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    std::string d = exe.parent_path().string();
    if (d.empty() || d.back() != '/') d += '/';
    return d;
  }();
  return dir;
}

namespace {

// Anything at the path counts, a broken link or a FIFO too: the reader then
// says what is wrong with it instead of another file being read silently.
bool Present(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
}

}  // namespace

std::string DataPathIn(const std::string& programDir, const std::string& name) {
  const std::filesystem::path beside = std::filesystem::path(programDir) / name;
  if (Present(beside)) return beside.string();
  // VOLEMO_DATA_FROM_BIN is the install's data folder relative to its
  // program folder, set by the build from the install directories.
  const std::filesystem::path installed =
      (std::filesystem::path(programDir) / VOLEMO_DATA_FROM_BIN / name).lexically_normal();
  return Present(installed) ? installed.string() : beside.string();
}

std::string DataPath(const std::string& name) { return DataPathIn(ProgramDir(), name); }

}  // namespace volemo
