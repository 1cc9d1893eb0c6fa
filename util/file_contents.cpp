#include "file_contents.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace volemo {

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  // A name of the process's own: two programs writing one path each put a
  // whole file in place, the last one renamed winning.
  const std::string part = path + ".part-" + std::to_string(getpid());
  const int fd = open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int error = 0;
  for (size_t done = 0; done < bytes.size() && error == 0;) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n >= 0) done += static_cast<size_t>(n);
    else if (errno != EINTR) error = errno;
  }
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(part.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) unlink(part.c_str());
  return error;
}

}  // namespace volemo
