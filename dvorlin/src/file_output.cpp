#include "file_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <chrono>
#include <string>

namespace dvorlin {
namespace {

// A new, unused name in path's folder, opened for writing. The name is
// short of its own, so any name the target may have leaves room for it. The
// mode is the usual 0666 less the umask, as for any file the user creates.
int CreateTemporary(const std::string& path, std::string& name) {
  const std::string folder = path.substr(0, path.rfind('/') + 1);  // "" when path has no '/'
  const auto clock = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    char own[40];
    std::snprintf(own, sizeof own, ".dvorlin-%u-%08x.tmp", static_cast<unsigned>(getpid()), clock + attempt * 7919u);
    name = folder + own;
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int WriteAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<size_t>(n);
  }
  return 0;
}

}  // namespace

int ReplaceFile(const char* path, const std::vector<uint8_t>& bytes) {
  std::string temporary;
  const int fd = CreateTemporary(path, temporary);
  if (fd < 0) return errno;
  int error = WriteAll(fd, bytes);
  // No sync to the disk: it waits for the disk (milliseconds a file, the
  // most of a compile), and the rename alone already leaves path whole
  // whenever the program stops. Against a power cut, ext4 writes a file
  // renamed over another out before the rename itself.
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), path) != 0) error = errno;
  if (error != 0) unlink(temporary.c_str());
  return error;
}

}  // namespace dvorlin
