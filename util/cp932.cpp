#include "cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "message_format.h"
#include "translatable.h"

namespace volemo {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::system_error(errno, std::generic_category(),
                              std::string("iconv_open ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much of in as it can, appending to out. Stops at the first
  // byte sequence that cannot be converted and returns how many bytes of in
  // were used; in.size() when all of it was converted.
  size_t Convert(std::string_view in, std::string& out) {
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    return in.size() - srcLeft;
  }

 private:
  iconv_t cd_;
};

// Length of the character at the start of utf8: its lead byte and the
// continuation bytes that follow, at most as many as the lead announces
// (1 for a stray byte).
size_t CharacterLength(std::string_view utf8) {
  const unsigned char lead = static_cast<unsigned char>(utf8[0]);
  const size_t announced = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xC2 && lead <= 0xDF                                 ? 2
                                                                                           : 1;
  size_t n = 1;
  while (n < announced && n < utf8.size() && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) ++n;
  return n;
}

// ASCII reads the same in both encodings, and most texts are nothing else:
// they need no converter (opening one costs more than most conversions).
bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Converts UTF-8 to CP932; an unconvertible character is replaced by
// replacement, or, when replacement is empty, reported as EncodingError.
std::string FromUtf8(std::string_view utf8, std::string_view replacement) {
  if (IsAscii(utf8)) return std::string(utf8);
  Converter converter("CP932", "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const size_t used = converter.Convert(utf8, out);
    if (used == utf8.size()) break;
    const size_t bad = CharacterLength(utf8.substr(used));
    if (replacement.empty())
      throw EncodingError(FormatMessage(QT_TRANSLATE_NOOP("Message", "\"%1\" はシフトJIS（CP932）で保存できない文字です。"),
                                        {utf8.substr(used, bad)}));
    out += replacement;
    utf8.remove_prefix(used + bad);
  }
  return out;
}

}  // namespace

std::string Cp932FromUtf8(std::string_view utf8) { return FromUtf8(utf8, {}); }

std::string Cp932FromUtf8Lossy(std::string_view utf8) { return FromUtf8(utf8, "?"); }

std::string Utf8FromCp932(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  Converter converter("UTF-8", "CP932");
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  while (!cp932.empty()) {
    const size_t used = converter.Convert(cp932, out);
    if (used == cp932.size()) break;
    out += "\xEF\xBF\xBD";  // U+FFFD for the one byte that does not convert
    cp932.remove_prefix(used + 1);
  }
  return out;
}

namespace {

std::string DecodeTextFile(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) return Cp932FromUtf8(bytes.substr(kByteOrderMark.size()));
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    // The converter takes the byte order from the mark, and drops it.
    std::string utf8;
    if (Converter("UTF-8", "UTF-16").Convert(bytes, utf8) != bytes.size())
      throw EncodingError(QT_TRANSLATE_NOOP("Message", "UTF-16 のテキストとして読めません。"));
    return Cp932FromUtf8(utf8);
  }
  if (IsAscii(bytes)) return std::string(bytes);
  // CP932's two-byte characters are almost never valid UTF-8 as a whole.
  std::string ignored;
  if (Converter("UTF-32LE", "UTF-8").Convert(bytes, ignored) == bytes.size()) return Cp932FromUtf8(bytes);
  return std::string(bytes);
}

}  // namespace

std::string Cp932FromTextFile(std::string_view bytes) {
  std::string cp932 = DecodeTextFile(bytes);
  // No trail byte of CP932 is below 0x40, so these are control characters
  // wherever they stand: the file is not a text (or not one of MML).
  int line = 1;
  for (const char c : cp932) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '\n') ++line;
    if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "<%02X>", b);
      throw EncodingError(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "%1行目に制御文字 \"%2\" があります。テキストの MML ではありません。"),
          {std::to_string(line), code}));
    }
  }
  return cp932;
}

}  // namespace volemo
