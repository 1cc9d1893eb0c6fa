// The library's exported functions over the C++ compiler.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "cp932.h"
#include "dvorlin.h"
#include "dvorlin/compile.h"
#include "file_contents.h"
#include "messages.h"

namespace {

// The only state of the library: how much of the caller's buffer is ours.
std::atomic<int32_t> messageLength{0};

// At most messageLength bytes, terminating zero included, never cutting a
// double-byte character in two.
void PutMessage(char* buffer, const std::string& message) {
  const int32_t length = messageLength.load();
  if (buffer == nullptr || length <= 0) return;
  const size_t keep = volemo::WholeCharPrefix(message, static_cast<size_t>(length) - 1);
  std::memcpy(buffer, message.data(), keep);
  buffer[keep] = '\0';
}

// The file's bytes, or none with message saying why not.
std::optional<std::vector<uint8_t>> Smf(const char* mml, std::string& message) {
  if (mml == nullptr) {
    message = dvorlin::msg::NoMml();
    return std::nullopt;
  }
  const dvorlin::Performance performance = dvorlin::Perform(mml);
  if (!performance.ok()) {
    message = dvorlin::FormatDiagnostics(performance.diagnostics);
    return std::nullopt;
  }
  return dvorlin::WriteSmf(performance.song);
}

// Runs compile (which sets its message on failure) and puts the message in
// the caller's buffer. Nothing may leave through the C boundary but the
// result and the text.
template <class Compile>
int32_t Guarded(char* msgBuffer, Compile compile) {
  std::string message;
  bool done = false;
  try {
    done = compile(message);
  } catch (...) {
    message = dvorlin::msg::ForException(std::current_exception());
  }
  PutMessage(msgBuffer, message);
  return done ? 1 : 0;
}

}  // namespace

extern "C" {

void SetErrMsgLen(int32_t length) { messageLength.store(length); }

int32_t MMLtoMIDI(const char* mml, const char* midiPath, char* msgBuffer) {
  return Guarded(msgBuffer, [&](std::string& message) {
    if (midiPath == nullptr || *midiPath == '\0') {
      message = dvorlin::msg::NoPath();
      return false;
    }
    const std::optional<std::vector<uint8_t>> smf = Smf(mml, message);
    if (!smf) return false;
    const std::string_view bytes(reinterpret_cast<const char*>(smf->data()), smf->size());
    if (const int error = volemo::ReplaceFileContents(midiPath, bytes); error != 0) {
      message = dvorlin::msg::CannotWrite(error);
      return false;
    }
    return true;
  });
}

int32_t MMLtoMIDIBuffer(const char* mml, uint8_t** midi, size_t* size, char* msgBuffer) {
  if (midi) *midi = nullptr;
  if (size) *size = 0;
  return Guarded(msgBuffer, [&](std::string& message) {
    if (!midi || !size) {
      message = dvorlin::msg::NoBuffer();
      return false;
    }
    const std::optional<std::vector<uint8_t>> smf = Smf(mml, message);
    if (!smf) return false;
    *midi = static_cast<uint8_t*>(std::malloc(smf->size()));
    if (!*midi) throw std::bad_alloc();
    std::memcpy(*midi, smf->data(), smf->size());
    *size = smf->size();
    return true;
  });
}

void FreeMIDIBuffer(uint8_t* midi) { std::free(midi); }

}  // extern "C"
