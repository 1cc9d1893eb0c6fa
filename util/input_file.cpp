#include "input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "translatable.h"

namespace volemo {
namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

InputFailure SystemFailure(bool opened, int error) { return {opened, std::strerror(error)}; }

// Opens path without waiting and refuses what is not a regular file.
std::optional<InputFailure> OpenRegular(const std::string& path, Descriptor& file, struct stat& info) {
  file.fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (file.fd < 0) return SystemFailure(false, errno);
  if (fstat(file.fd, &info) != 0) return SystemFailure(true, errno);
  if (S_ISDIR(info.st_mode)) return SystemFailure(true, EISDIR);
  if (!S_ISREG(info.st_mode)) return InputFailure{true, QT_TRANSLATE_NOOP("Message", "通常のファイルではありません")};
  return std::nullopt;
}

}  // namespace

std::optional<InputFailure> ReadInputFile(const std::string& path, size_t maxBytes, std::string_view tooLarge,
                                          std::string& bytes) {
  Descriptor file{-1};
  struct stat info {};
  if (auto failure = OpenRegular(path, file, info)) return failure;
  const InputFailure large{true, std::string(tooLarge)};
  if (static_cast<uint64_t>(info.st_size) > maxBytes) return large;
  bytes.clear();
  // Room for the whole file at once: a long text is not copied again and
  // again as it grows.
  bytes.reserve(static_cast<size_t>(info.st_size) + 1);
  // The limit holds while reading too: the file may grow after fstat.
  for (char chunk[65536];;) {
    const ssize_t n = read(file.fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SystemFailure(true, errno);
    if (n == 0) return std::nullopt;
    if (static_cast<size_t>(n) > maxBytes - bytes.size()) return large;
    bytes.append(chunk, static_cast<size_t>(n));
  }
}

std::optional<InputFailure> CheckInputFile(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 && errno == ENOENT) return std::nullopt;
  Descriptor file{-1};
  return OpenRegular(path, file, info);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {}, second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace volemo
