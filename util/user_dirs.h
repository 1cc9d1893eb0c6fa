#pragma once

#include <filesystem>

namespace volemo {

// The folder an XDG base-directory variable names when it holds an absolute
// path, else underHome in the home folder: XdgBaseDir("XDG_CACHE_HOME",
// ".cache") is ~/.cache by default.
std::filesystem::path XdgBaseDir(const char* variable, const char* underHome);

}  // namespace volemo
