#include "user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace volemo {

std::filesystem::path XdgBaseDir(const char* variable, const char* underHome) {
  if (const char* xdg = std::getenv(variable); xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* pw = getpwuid(getuid());
    home = pw ? pw->pw_dir : "/tmp";
  }
  return std::filesystem::path(home) / underHome;
}

}  // namespace volemo
