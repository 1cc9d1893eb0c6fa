#include "use_vorlin_dll.h"

#include <vector>

#include "cp932.h"
#include "dvorlin.h"

namespace volemo {
namespace {

constexpr int kMessageLength = 4096;
// Per thread: batch workers compile side by side.
thread_local std::string lastMessage;

// Runs one call of the library with a message buffer and keeps its message.
template <class Call>
bool KeepingMessage(Call call) {
  // One zero byte beyond the length the library is told, so the message is
  // terminated even if the library fills the whole buffer.
  std::vector<char> buffer(kMessageLength + 1, '\0');
  SetErrMsgLen(kMessageLength);
  const int32_t result = call(buffer.data());
  lastMessage.assign(buffer.data());
  return result != 0;
}

}  // namespace

bool CompileMmlToMidi(const std::string& mml, const std::string& midiPath) {
  return KeepingMessage([&](char* message) { return MMLtoMIDI(mml.c_str(), midiPath.c_str(), message); });
}

bool CompileMmlToBytes(const std::string& mml, std::string& midi) {
  return KeepingMessage([&](char* message) {
    uint8_t* bytes = nullptr;
    size_t size = 0;
    const int32_t result = MMLtoMIDIBuffer(mml.c_str(), &bytes, &size, message);
    if (bytes) midi.assign(reinterpret_cast<const char*>(bytes), size);
    else midi.clear();
    FreeMIDIBuffer(bytes);
    return result;
  });
}

const std::string& LastCompileMessage() { return lastMessage; }

std::string CompileMml(const std::string& mml) {
  std::string midi;
  if (!CompileMmlToBytes(mml, midi)) throw CompileError(Utf8FromCp932(lastMessage));
  return midi;
}

}  // namespace volemo
