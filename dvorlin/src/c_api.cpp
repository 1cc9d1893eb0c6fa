// The library's two exported functions over the C++ compiler.
#include <atomic>
#include <cstring>
#include <exception>
#include <string>

#include "cp932_bytes.h"
#include "dvorlin.h"
#include "dvorlin/compile.h"
#include "file_output.h"
#include "messages.h"

namespace {

// The only state of the library: how much of the caller's buffer is ours.
std::atomic<int32_t> messageLength{0};

// At most messageLength bytes, terminating zero included, never cutting a
// double-byte character in two.
void PutMessage(char* buffer, const std::string& message) {
  const int32_t length = messageLength.load();
  if (buffer == nullptr || length <= 0) return;
  const size_t keep = dvorlin::WholeCharPrefix(message, static_cast<size_t>(length) - 1);
  std::memcpy(buffer, message.data(), keep);
  buffer[keep] = '\0';
}

// True when the file stands at midiPath; else message says why not.
bool Compile(const char* mml, const char* midiPath, std::string& message) {
  if (mml == nullptr) {
    message = dvorlin::msg::NoMml();
  } else if (midiPath == nullptr || *midiPath == '\0') {
    message = dvorlin::msg::NoPath();
  } else if (const dvorlin::Performance performance = dvorlin::Perform(mml); !performance.ok()) {
    message = dvorlin::FormatDiagnostics(performance.diagnostics);
  } else if (const int error = dvorlin::ReplaceFile(midiPath, dvorlin::WriteSmf(performance.song)); error != 0) {
    message = dvorlin::msg::CannotWrite(error);
  } else {
    return true;
  }
  return false;
}

}  // namespace

extern "C" {

void SetErrMsgLen(int32_t length) { messageLength.store(length); }

int32_t MMLtoMIDI(const char* mml, const char* midiPath, char* msgBuffer) {
  // Nothing may leave through the C boundary but the result and the text.
  std::string message;
  bool written = false;
  try {
    written = Compile(mml, midiPath, message);
  } catch (...) {
    message = dvorlin::msg::ForException(std::current_exception());
  }
  PutMessage(msgBuffer, message);
  return written ? 1 : 0;
}

}  // extern "C"
