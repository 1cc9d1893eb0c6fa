// Putting a file in place whole.
#pragma once

#include <string>
#include <string_view>

#include "volemo_error.h"

namespace volemo {

// A file being written that takes its name only when complete, so that the
// name holds either what it held or the whole new file, whenever the
// program is stopped. It has no name while written where the system allows
// (a new file is then never left behind half written, even by a killed
// program), else a part file of its own beside the target, removed unless
// put in place. There is no sync to the disk: a power cut may still lose
// the file. A target that is a symbolic link stays one: the file it points
// to is replaced. A file replaced keeps its permissions, and one the user
// may not write is refused (EACCES).
class PendingFile {
 public:
  explicit PendingFile(const std::string& target);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Open for reading and writing, or -1 with error() saying why.
  int fd() const { return fd_; }
  int error() const { return error_; }

  // Closes the file and gives it the target's name, replacing what is there.
  // Returns 0 or the errno value of the step that failed.
  int PutInPlace();

 private:
  std::string target_;
  std::string part_;  // the part file's name, when it has one
  int fd_ = -1;
  int error_ = 0;
  int mode_ = -1;  // the replaced file's permissions
  bool placed_ = false;
};

// Writes bytes to path through a PendingFile. Returns 0 or the errno value
// of the step that failed.
int ReplaceFileContents(const std::string& path, std::string_view bytes);

// A file that could not be written: what() names it, with the system's reason.
class FileError : public Error {
 public:
  FileError(const std::string& path, int error);
};

// The same; throws FileError.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace volemo
