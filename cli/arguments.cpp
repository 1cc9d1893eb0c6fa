#include "arguments.h"

#include <charconv>

#include "input_file.h"
#include "message_format.h"
#include "translatable.h"

namespace volemo::cli {

bool ArgumentReader::TakeFlag(std::string_view name) {
  if (AtEnd() || args_[next_] != name) return false;
  ++next_;
  return true;
}

std::optional<std::string> ArgumentReader::TakeValue(std::string_view name) {
  if (AtEnd()) return std::nullopt;
  const std::string& arg = args_[next_];
  if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
    ++next_;
    return arg.substr(name.size() + 1);
  }
  if (arg != name) return std::nullopt;
  if (next_ + 1 >= args_.size()) throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "オプション %1 には値が要ります"), {arg}));
  next_ += 2;
  return args_[next_ - 1];
}

std::string ArgumentReader::TakePositional(std::string_view what) {
  if (AtEnd()) throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 がありません"), {what}));
  if (args_[next_].starts_with("-") && args_[next_] != "-") RejectNext();
  return args_[next_++];
}

void ArgumentReader::RejectNext() const {
  const std::string& arg = args_.at(next_);
  if (arg.starts_with("-")) throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は不明なオプションです"), {arg}));
  throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は余分な引数です"), {arg}));
}

long long ParseInteger(std::string_view text, std::string_view what) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end)
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "%1 は整数で指定してください（\"%2\" は整数ではありません）"), {what, text}));
  return value;
}

void RefuseOutputOverInput(const std::string& in, const std::string& out) {
  if (SameFile(in, out))
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "%1 は入力ファイル %2 です。書き込むとそれを壊してしまいます"), {out, in}));
}

}  // namespace volemo::cli
