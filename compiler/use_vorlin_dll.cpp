#include "use_vorlin_dll.h"

#include <vector>

#include "dvorlin.h"

namespace volemo {
namespace {

constexpr int kMessageLength = 4096;
std::string lastMessage;

}  // namespace

bool CompileMmlToMidi(const std::string& mml, const std::string& midiPath) {
  // One zero byte beyond the length the library is told, so the message is
  // terminated even if the library fills the whole buffer.
  std::vector<char> buffer(kMessageLength + 1, '\0');
  SetErrMsgLen(kMessageLength);
  const int32_t result = MMLtoMIDI(mml.c_str(), midiPath.c_str(), buffer.data());
  lastMessage.assign(buffer.data());
  return result != 0;
}

const std::string& LastCompileMessage() { return lastMessage; }

}  // namespace volemo
