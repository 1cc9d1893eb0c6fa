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

}  // namespace volemo
