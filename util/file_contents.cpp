#include "file_contents.h"
#include "message_text.h"
#include "translatable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace volemo {

namespace {

// "dir/" of "dir/name", "" of "name".
std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

// A short name of its own in path's folder (so that a path near the longest
// name still has room for it): two programs, or two threads, writing one
// path each put a whole file in place, the last one renamed winning.
std::string PartName(const std::string& path) {
  static std::atomic<unsigned> count{0};
  return FolderOf(path) + ".volemo-" + std::to_string(getpid()) + "-" + std::to_string(count++) + ".part";
}

// The file a path names, through any symbolic links: a link the user made
// stays a link, and the new contents go where it points. A link that points
// nowhere names the file to be made.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(static_cast<size_t>(info.st_size) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) >= target.size()) return path;
    target.resize(static_cast<size_t>(n));
    path = target.starts_with('/') ? target : FolderOf(path) + target;
  }
  return path;
}

// The name through which an unnamed file is linked.
std::string SelfName(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// Gives the file `from` names (a part file, or an unnamed file through
// /proc) the part name too, and renames that over path.
int LinkAndRename(const std::string& from, const std::string& path) {
  const std::string part = PartName(path);
  if (linkat(AT_FDCWD, from.c_str(), AT_FDCWD, part.c_str(), AT_SYMLINK_FOLLOW) != 0) return errno;
  if (std::rename(part.c_str(), path.c_str()) == 0) return 0;
  const int error = errno;
  unlink(part.c_str());
  return error;
}

}  // namespace

PendingFile::PendingFile(const std::string& target) : target_(FollowLinks(target)) {
  // A file replaced keeps its permissions; one the user may not write is
  // refused, not replaced behind their back.
  struct stat info {};
  if (stat(target_.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
    if (access(target_.c_str(), W_OK) != 0) {
      error_ = errno;
      return;
    }
    mode_ = static_cast<int>(info.st_mode & 07777);
  }
  // Unnamed (O_TMPFILE): a new file then costs its folder one change instead
  // of a create and a rename (a batch of phrases writes its files a third
  // faster). Its name comes through /proc, which must be there.
  const std::string folder = FolderOf(target_);
  fd_ = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (fd_ >= 0 && access(SelfName(fd_).c_str(), F_OK) == 0) return;
  if (fd_ >= 0) close(fd_);
  part_ = PartName(target_);
  fd_ = open(part_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) error_ = errno;
}

PendingFile::~PendingFile() {
  if (fd_ >= 0) close(fd_);
  if (!placed_ && !part_.empty()) unlink(part_.c_str());
}

int PendingFile::PutInPlace() {
  if (fd_ < 0) return error_;
  int error = mode_ >= 0 && fchmod(fd_, static_cast<mode_t>(mode_)) != 0 ? errno : 0;
  if (error != 0) {
    close(fd_);
    fd_ = -1;
    return error;
  }
  if (!part_.empty()) {
    if (close(fd_) != 0) error = errno;
    fd_ = -1;
    if (error == 0 && std::rename(part_.c_str(), target_.c_str()) != 0) error = errno;
  } else {
    const std::string self = SelfName(fd_);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) != 0)
      error = errno == EEXIST ? LinkAndRename(self, target_) : errno;
    if (close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
  }
  placed_ = error == 0;
  return error;
}

FileError::FileError(const std::string& path, int error)
    : Error(FormatMessage(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" を作成できません。 %2"), {path, std::strerror(error)})) {}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (const int error = ReplaceFileContents(path, bytes); error != 0) throw FileError(path, error);
}

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  PendingFile file(path);
  if (file.fd() < 0) return file.error();
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(file.fd(), bytes.data() + done, bytes.size() - done);
    if (n >= 0) done += static_cast<size_t>(n);
    else if (errno != EINTR) return errno;
  }
  return file.PutInPlace();
}

}  // namespace volemo
