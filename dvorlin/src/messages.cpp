#include "messages.h"

#include <iconv.h>

#include <cerrno>
#include <exception>
#include <initializer_list>
#include <memory>
#include <new>

#include "cp932.h"
#include "message_format.h"
#include "translatable.h"

namespace dvorlin::msg {

using volemo::CharSize;
using volemo::WholeCharPrefix;

namespace {

// True when ch (one double-byte character) is CP932 that converts: an
// unassigned pair does not.
bool ConvertibleChar(iconv_t toUtf8, std::string_view ch) {
  char out[8];
  char* src = const_cast<char*>(ch.data());
  size_t srcLeft = ch.size();
  char* dst = out;
  size_t dstLeft = sizeof out;
  iconv(toUtf8, nullptr, nullptr, nullptr, nullptr);  // a fresh state for each character
  return iconv(toUtf8, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1) && srcLeft == 0;
}

// A text as it appears in a message: at most limit bytes of it, control
// bytes and bytes that are not CP932 shown by their code ("<81>"), so the
// message stays one readable line of valid CP932.
std::string Excerpt(std::string_view token, size_t limit = 24) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::unique_ptr<void, int (*)(iconv_t)> toUtf8(iconv_open("UTF-8", "CP932"), iconv_close);
  const bool converts = toUtf8.get() != reinterpret_cast<iconv_t>(-1);
  std::string out;
  const size_t keep = WholeCharPrefix(token, limit);
  for (size_t i = 0; i < keep;) {
    const size_t size = CharSize(token, i);
    const std::string_view ch = token.substr(i, size);
    const auto b = static_cast<unsigned char>(ch[0]);
    // Single bytes: ASCII without its control codes, and half-width kana.
    const bool shown = size == 2 ? converts && ConvertibleChar(toUtf8.get(), ch)
                                 : (b >= 0x20 && b < 0x7F) || (b >= 0xA1 && b <= 0xDF);
    if (shown) {
      out += ch;
    } else {
      for (const char c : ch) out += {'<', kHex[static_cast<unsigned char>(c) >> 4], kHex[c & 15], '>'};
    }
    i += size;
  }
  if (keep < token.size()) out += "...";
  return out;
}

class Arg {
 public:
  // CP932 text, put in as it is.
  Arg(std::string_view text) : text_(text) {}
  Arg(const char* text) : text_(text) {}
  Arg(const std::string& text) : text_(text) {}
  Arg(int64_t n) : own_(std::to_string(n)), text_(own_) {}
  Arg(int n) : Arg(static_cast<int64_t>(n)) {}
  Arg(const Arg&) = delete;
  std::string_view text() const { return text_; }

 private:
  std::string own_;
  std::string_view text_;
};

// Converts the template and puts the arguments in place of its %1, %2, ...
// The templates are marked for the program's translations, which know them
// by their Japanese text.
std::string Fill(std::string_view utf8Template, std::initializer_list<Arg> args) {
  // Written here in UTF-8, converted only when a message is made.
  const std::string templ = volemo::Cp932FromUtf8(utf8Template);
  std::string_view texts[3];  // no message has more
  size_t n = 0;
  for (const Arg& arg : args) texts[n++] = arg.text();
  return volemo::FormatMessage(templ, {texts[0], texts[1], texts[2]});
}

}  // namespace

std::string Place(int line, int column) { return Fill(QT_TRANSLATE_NOOP("Message", "%1行目 %2文字目: "), {line, column}); }

std::string TextTooLong(size_t megabytes) {
  return Fill(QT_TRANSLATE_NOOP("Message", "MML が長すぎます（%1 MB まで）。"), {static_cast<int64_t>(megabytes)});
}
std::string UnknownCommand(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" は未定義の命令です。"), {Excerpt(token)});
}
std::string StrayNumber(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "数 \"%1\" の前に命令がありません。"), {Excerpt(token)});
}
std::string MissingNumber(std::string_view command) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" の後に数がありません。"), {Excerpt(command)});
}
std::string NotANumber(std::string_view token, std::string_view command) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" は数ではありません（\"%2\" の後には数を書いてください）。"), {Excerpt(token), Excerpt(command)});
}
std::string OutOfRange(std::string_view token, int64_t low, int64_t high) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" は範囲外です（%2～%3 で書いてください）。"), {Excerpt(token), low, high});
}
std::string ZeroLength(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" の長さが 0 です。"), {Excerpt(token)});
}
std::string MissingClose(std::string_view opener, std::string_view closer) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" に対応する \"%2\" がありません。"), {Excerpt(opener), Excerpt(closer)});
}
std::string MissingCloseOnLine(std::string_view opener, std::string_view closer) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" に対応する \"%2\" がこの行にありません。"), {Excerpt(opener), Excerpt(closer)});
}
std::string UnmatchedClose(std::string_view closer) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" に対応する始まりがありません。"), {Excerpt(closer)});
}
std::string NotInChord(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" は和音 '…' の中では使えません。"), {Excerpt(token)});
}
std::string NotInDiv(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" は Div{…} の中では使えません。"), {Excerpt(token)});
}
std::string LengthInChord(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\": 和音の中の音符には長さを書けません（閉じる \"'\" の後に書いてください）。"), {Excerpt(token)});
}
std::string LengthInDiv(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\": Div{…} の中には長さを書けません（\"}\" の後に書いてください）。"), {Excerpt(token)});
}
std::string EmptyGroup(std::string_view group) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" の中に音符がありません。"), {Excerpt(group)});
}
std::string BreakOutsideRepeat() { return Fill(QT_TRANSLATE_NOOP("Message", "\":\" は繰り返し [ ] の外では使えません。"), {}); }
std::string WordSyntax(std::string_view word) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" の後には \"=数\" か \"(数)\" を書いてください。"), {Excerpt(word)});
}
std::string DivWithoutBrace() { return Fill(QT_TRANSLATE_NOOP("Message", "\"Div\" の後に \"{\" がありません。"), {}); }
std::string MeterSyntax(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\": 拍子は \"Meter(分子/分母)\" で、分子は 1～255、分母は 1, 2, 4, 8, 16, 32, 64 のいずれかで書いてください。"),
              {Excerpt(token)});
}
std::string BendSyntax(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\": ピッチベンドは \"p%数\" か \"p%.T(始め,終わり,!長さ)\" で書いてください。"), {Excerpt(token)});
}
std::string SweepLength(std::string_view token) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\": 括弧の中の長さは \"%2\" や \"%3\" のように書いてください。"), {Excerpt(token), "!16", "%120"});
}
std::string NestingTooDeep(int limit) {
  return Fill(QT_TRANSLATE_NOOP("Message", "繰り返しの入れ子が深すぎます（%1 段まで）。"), {limit});
}

std::string PartSyntax() { return Fill(QT_TRANSLATE_NOOP("Message", "\"Part\" の後には \"(名前)\" を書いてください。"), {}); }
std::string PartInRepeat() { return Fill(QT_TRANSLATE_NOOP("Message", "\"Part\" は繰り返し [ ] の中では使えません。"), {}); }
std::string PartNameTooLong(size_t limit) {
  return Fill(QT_TRANSLATE_NOOP("Message", "パートの名前が長すぎます（%1 バイトまで）。"), {static_cast<int64_t>(limit)});
}
std::string TooManyParts(size_t limit) {
  return Fill(QT_TRANSLATE_NOOP("Message", "パートが多すぎます（%1 個まで）。"), {static_cast<int64_t>(limit)});
}

std::string KeyOutOfRange(std::string_view token, int64_t octave, int64_t key) {
  return Fill(QT_TRANSLATE_NOOP("Message", "オクターブ %1 の \"%2\" はノート番号 %3 になり、範囲外です（0～127）。"), {octave, Excerpt(token), key});
}
std::string DivTooShort(std::string_view token, int64_t ticks, int items) {
  return Fill(QT_TRANSLATE_NOOP("Message", "\"%1\" の長さ %2 ティックを %3 つに分けると長さが 0 になります。"), {Excerpt(token), ticks, items});
}
std::string TooManyEvents(int limit) {
  return Fill(QT_TRANSLATE_NOOP("Message", "MIDI イベントが多すぎます（%1 個まで）。繰り返しの回数を確かめてください。"), {limit});
}
std::string TooLong() { return Fill(QT_TRANSLATE_NOOP("Message", "曲が長すぎます（24 時間まで）。繰り返しの回数や長さを確かめてください。"), {}); }
std::string TooMuchWork(int64_t limit) {
  return Fill(QT_TRANSLATE_NOOP("Message", "実行する命令が多すぎます（繰り返しの各回を数えて %1 個まで）。繰り返しの回数を確かめてください。"),
              {limit});
}

std::string NoMml() { return Fill(QT_TRANSLATE_NOOP("Message", "MML が渡されていません。"), {}); }
std::string NoPath() { return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルの保存先が指定されていません。"), {}); }
std::string NoBuffer() { return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルの受け取り先が指定されていません。"), {}); }
std::string CannotWrite(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（保存先のフォルダがありません）。"), {});
    case EACCES:
    case EPERM: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（書き込みの権限がありません）。"), {});
    case ENOSPC:
    case EDQUOT: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（ディスクに空きがありません）。"), {});
    case EROFS: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（読み取り専用の場所です）。"), {});
    case EISDIR: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（同じ名前のフォルダがあります）。"), {});
    case ENAMETOOLONG: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（パスが長すぎます）。"), {});
    default: return Fill(QT_TRANSLATE_NOOP("Message", "MIDI ファイルを書き込めません（エラー番号 %1）。"), {error});
  }
}
std::string OutOfMemory() { return Fill(QT_TRANSLATE_NOOP("Message", "メモリが足りません。"), {}); }
std::string InternalError(std::string_view what) {
  return Fill(QT_TRANSLATE_NOOP("Message", "コンパイラの内部エラーです（%1）。"), {Excerpt(what, 200)});
}

std::string ForException(std::exception_ptr error) noexcept {
  try {
    try {
      std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
      return OutOfMemory();
    } catch (const std::exception& e) {
      return InternalError(e.what());
    } catch (...) {
      return InternalError("?");
    }
  } catch (...) {
    return {};  // not even the message could be made
  }
}

}  // namespace dvorlin::msg
