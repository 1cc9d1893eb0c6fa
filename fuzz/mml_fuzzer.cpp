// MMLtoMIDI on any bytes. Besides the sanitizers it checks the library's
// promises on every input: the message stays inside the length it was
// given and is valid CP932, a success leaves a well-formed file whose notes
// pair up and never overlap, and a failure leaves the earlier file as it was.
#include <iconv.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dvorlin.h"
#include "fuzz_check.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class SmfReader {
 public:
  explicit SmfReader(const std::string& bytes) : s_(bytes) {}

  void CheckWhole() {
    Check(Take(4) == "MThd" && Number(4) == 6 && Number(2) == 1);
    // The conductor, then one track of channel events, or one for each part.
    const uint32_t tracks = Number(2);
    Check(tracks >= 2 && Number(2) == 480);
    CheckTrack(true);
    for (uint32_t t = 1; t < tracks; ++t) CheckTrack(false);
    Check(p_ == s_.size());
  }

 private:
  std::string Take(size_t n) {
    Check(p_ + n <= s_.size());
    p_ += n;
    return s_.substr(p_ - n, n);
  }
  uint8_t Byte() {
    Check(p_ < s_.size());
    return static_cast<uint8_t>(s_[p_++]);
  }
  uint32_t Number(int bytes) {
    uint32_t value = 0;
    while (bytes-- > 0) value = value << 8 | Byte();
    return value;
  }
  uint32_t VariableLength() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = Byte();
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) return value;
    }
    std::abort();  // more than four bytes
  }
  uint8_t Data() {
    const uint8_t b = Byte();
    Check(b < 0x80);
    return b;
  }

  void CheckTrack(bool conductor) {
    Check(Take(4) == "MTrk");
    const uint32_t length = Number(4);
    const size_t end = p_ + length;
    Check(end <= s_.size());
    std::array<bool, 16 * 128> sounding{};
    uint8_t status = 0;
    while (true) {
      VariableLength();
      uint8_t b = Byte();
      if (b == 0xFF) {
        const uint8_t type = Byte();
        Take(VariableLength());
        status = 0;
        if (type == 0x2F) break;
        // Empty text events bridge gaps longer than a delta time holds; a
        // part's track carries its name.
        Check(type == 0x01 || (conductor ? type == 0x51 || type == 0x58 : type == 0x03));
        continue;
      }
      Check(!conductor);
      if (b < 0x80) {  // running status: b is the first data byte
        Check(status != 0);
        --p_;
        b = status;
      }
      status = b;
      const int channel = b & 15;
      switch (b & 0xF0) {
        case 0x80:
        case 0x90: {
          const uint8_t key = Data();
          const uint8_t velocity = Data();
          bool& on = sounding[channel * 128 + key];
          const bool starts = (b & 0xF0) == 0x90 && velocity > 0;
          Check(on != starts);  // no start while sounding, no end without a start
          on = starts;
          break;
        }
        case 0xE0: Data(); Data(); break;
        case 0xC0: Data(); break;
        default: std::abort();
      }
    }
    Check(p_ == end);
    for (const bool on : sounding) Check(!on);
  }

  const std::string& s_;
  size_t p_ = 0;
};

// The message is text a CP932 reader takes whole, whatever the MML held.
bool IsCp932(const char* message) {
  static const iconv_t toUtf8 = iconv_open("UTF-8", "CP932");
  char out[4096 * 3];
  char* src = const_cast<char*>(message);
  size_t srcLeft = std::strlen(message);
  char* dst = out;
  size_t dstLeft = sizeof out;
  iconv(toUtf8, nullptr, nullptr, nullptr, nullptr);
  return iconv(toUtf8, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1);
}

const std::string& MidiPath() {
  static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  "/mml-fuzz-" + std::to_string(getpid()) + ".mid";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the message length, from none to the bridge's.
  static constexpr int32_t kLengths[] = {0, 1, 2, 3, 7, 16, 61, 4096};
  const int32_t length = kLengths[data[0] % std::size(kLengths)];
  const std::string mml(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<char> buffer(4096 + 64, '#');
  const std::string before = ReadFile(MidiPath());
  SetErrMsgLen(length);
  const int32_t result = MMLtoMIDI(mml.c_str(), MidiPath().c_str(), buffer.data());

  for (size_t i = static_cast<size_t>(length); i < buffer.size(); ++i) Check(buffer[i] == '#');
  if (length > 0) Check(std::memchr(buffer.data(), '\0', length) != nullptr);
  if (result != 0) {
    if (length > 0) Check(buffer[0] == '\0');
    SmfReader(ReadFile(MidiPath())).CheckWhole();
  } else {
    if (length > 1) Check(buffer[0] != '\0');
    if (length > 0) Check(IsCp932(buffer.data()));
    Check(ReadFile(MidiPath()) == before);
  }
  return 0;
}
