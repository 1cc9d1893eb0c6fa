#include "file_contents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace volemo {

int ReadFileContents(const std::string& path, std::string& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat st;
  int error = fstat(fd, &st) == 0 ? 0 : errno;
  // One byte more than the size, so the end shows without growing the
  // string; a file that grows meanwhile, or tells no size (a pipe), is
  // read on to its end.
  bytes.resize(error == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 0);
  size_t done = 0;
  while (error == 0) {
    if (done == bytes.size()) bytes.resize(bytes.size() + 65536);
    const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) done += static_cast<size_t>(n);
    else if (n == 0) break;
    else if (errno != EINTR) error = errno;
  }
  bytes.resize(done);
  close(fd);
  return error;
}

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string part = path + ".part";
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
