// The files a user names: an MML text, a MIDI file, the scale file, the
// takes database, a file dropped on the window. None of them may hold the
// program: each is opened without waiting (a FIFO has no writer to wait
// for), and only a regular file is read, never past its limit (a link to
// /dev/zero would have no end).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace volemo {

struct InputFailure {
  bool opened = false;  // it failed after the open: its kind, its size or a read
  std::string reason;   // UTF-8: the system's reason or ours, to follow a sentence naming the file
};

// Reads the file at path whole into bytes, or says why not; tooLarge is the
// reason when it holds more than maxBytes.
std::optional<InputFailure> ReadInputFile(const std::string& path, size_t maxBytes, std::string_view tooLarge,
                                          std::string& bytes);

// For a file another library opens: nothing when path names nothing or a
// regular file.
std::optional<InputFailure> CheckInputFile(const std::string& path);

// Whether the two names lead to one file (through links too); false when
// either names nothing.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace volemo
