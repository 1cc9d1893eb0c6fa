#include "message_text.h"

#include <regex>
#include <utility>

#include "message_tables.h"

namespace volemo {

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t n = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : args.size();
    if (pattern[i] == '%' && n < args.size()) {
      text += args.begin()[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

namespace {

// The template as a pattern over the finished message: each %n a group (the
// last one, ending the template, takes the rest), and after a template that
// ends in text, an optional blank and detail.
std::regex TemplatePattern(std::string_view pattern, std::vector<int>& order) {
  static const std::string special = R"(\^$.|?*+()[]{})";
  std::string re = "^";
  bool endsInArgument = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    endsInArgument = false;
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      order.push_back(pattern[++i] - '1');
      re += i + 1 == pattern.size() ? R"(([\s\S]*))" : R"(([\s\S]*?))";
      endsInArgument = true;
      continue;
    }
    if (special.find(pattern[i]) != std::string::npos) re += '\\';
    re += pattern[i];
  }
  re += endsInArgument ? "$" : R"(( [\s\S]*)?$)";
  return std::regex(re);
}

}  // namespace

std::string TranslateMessage(std::string_view message, std::string_view language) {
  const std::string text(message);
  for (const MessageTable& table : kMessageTables) {
    if (table.language != language) continue;
    for (const auto& [source, translation] : table.messages)
      if (text == source) return translation;
    for (const auto& [source, translation] : table.messages) {
      std::vector<int> order;
      std::smatch match;
      if (!std::regex_match(text, match, TemplatePattern(source, order))) continue;
      std::vector<std::string> args(9);
      for (size_t g = 0; g < order.size(); ++g) args[size_t(order[g])] = match[g + 1].str();
      std::string out = FormatMessage(translation, {args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8]});
      if (match.size() > order.size() + 1) out += match[order.size() + 1].str();
      return out;
    }
  }
  return text;
}

}  // namespace volemo
