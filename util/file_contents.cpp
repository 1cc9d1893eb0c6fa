#include "file_contents.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

namespace volemo {

namespace {

constexpr int kCannot = -1;  // the way tried is not open here: take the next

int WriteAll(int fd, std::string_view bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n >= 0) done += static_cast<size_t>(n);
    else if (errno != EINTR) return errno;
  }
  return 0;
}

// "dir/" of "dir/name", "" of "name".
std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

// A short name of its own in path's folder (so that a path near the longest
// name still has room for it): two programs, or two threads, writing one
// path each put a whole file in place, the last one renamed winning.
std::string PartName(const std::string& path) {
  static std::atomic<unsigned> count{0};
  return FolderOf(path) + ".volemo-" + std::to_string(getpid()) + "-" + std::to_string(count++) + ".part";
}

// Gives the written file `self` the part name and renames it over path.
int ReplaceWith(const std::string& self, const std::string& path) {
  const std::string part = PartName(path);
  unlink(part.c_str());
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, part.c_str(), AT_SYMLINK_FOLLOW) != 0) return errno;
  if (std::rename(part.c_str(), path.c_str()) == 0) return 0;
  const int error = errno;
  unlink(part.c_str());
  return error;
}

// Written as a file without a name (O_TMPFILE) that is given its name when
// complete: a new file is never left behind half written, even when the
// program is killed, and costs its folder one change instead of a create and
// a rename (a batch of phrases writes its files a third faster).
int WriteUnnamedThenLink(const std::string& path, std::string_view bytes) {
  const std::string folder = FolderOf(path);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return kCannot;
  int error = WriteAll(fd, bytes);
  if (error == 0) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0)
      error = errno == EEXIST ? ReplaceWith(self, path) : errno == ENOENT ? kCannot : errno;  // ENOENT: no /proc
  }
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (const int error = WriteUnnamedThenLink(path, bytes); error != kCannot) return error;
  const std::string part = PartName(path);
  const int fd = open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int error = WriteAll(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(part.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) unlink(part.c_str());
  return error;
}

}  // namespace volemo
