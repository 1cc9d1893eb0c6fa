#include "message_text.h"

#include <optional>
#include <utility>
#include <vector>

#include "message_tables.h"
#include "translatable.h"

namespace volemo {

namespace {

// A template cut at its %1..%9: texts[0] %order[0] texts[1] ... texts.back().
struct Template {
  std::vector<std::string_view> texts;
  std::vector<int> order;
  size_t literal = 0;  // the bytes of its own text: the more, the closer it fits
};

Template Parse(std::string_view pattern) {
  Template t;
  size_t start = 0;
  for (size_t i = 0; i + 1 < pattern.size(); ++i)
    if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      t.texts.push_back(pattern.substr(start, i - start));
      t.order.push_back(pattern[i + 1] - '1');
      start = ++i + 1;
    }
  t.texts.push_back(pattern.substr(start));
  for (std::string_view text : t.texts) t.literal += text.size();
  return t;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Match {
  std::vector<std::string> args;
  std::string separator, detail;  // what follows the template
};

// Matches text from at against the template from its argument k on: each
// argument as short as lets the rest match, and within its line (the next
// line is a message of its own), the last one to the end.
bool MatchFrom(const Template& t, std::string_view text, size_t at, size_t k, Match& m) {
  if (k == t.order.size()) {
    const std::string_view rest = text.substr(at);
    if (rest.empty()) return true;
    // A detail (a system's or a library's own reason, or a message that a
    // lead-in ending in a blank introduces) after a template ending in text.
    if (t.texts.back().empty()) return false;
    if (IsBlank(t.texts.back().back())) {
      m.detail = rest;
    } else if (IsBlank(rest.front())) {
      const size_t blanks = std::min(rest.find_first_not_of(" \t\r\n"), rest.size());
      m.separator = rest.substr(0, blanks);
      m.detail = rest.substr(blanks);
    } else {
      return false;
    }
    return true;
  }
  const std::string_view next = t.texts[k + 1];
  if (k + 1 == t.order.size() && next.empty()) {
    m.args[k] = text.substr(at);
    return true;
  }
  const size_t lineEnd = text.find_first_of("\r\n", at);
  for (size_t end = text.find(next, at); end != std::string_view::npos && end <= lineEnd;
       end = text.find(next, end + 1)) {
    m.args[k] = text.substr(at, end - at);
    if (MatchFrom(t, text, end + next.size(), k + 1, m)) return true;
  }
  return false;
}

std::optional<Match> MatchTemplate(const Template& t, std::string_view text) {
  if (!text.starts_with(t.texts.front())) return std::nullopt;
  Match m;
  m.args.resize(t.order.size());
  if (!MatchFrom(t, text, t.texts.front().size(), 0, m)) return std::nullopt;
  return m;
}

struct Parsed {
  std::string_view language;
  std::vector<std::pair<Template, std::string_view>> messages;  // template, translation
};

const std::vector<Parsed>& ParsedTables() {
  static const std::vector<Parsed> parsed = [] {
    std::vector<Parsed> all;
    for (const MessageTable& table : kMessageTables) {
      Parsed p{table.language, {}};
      for (const auto& [source, translation] : table.messages) p.messages.emplace_back(Parse(source), translation);
      all.push_back(std::move(p));
    }
    return all;
  }();
  return parsed;
}

}  // namespace

std::string TranslateMessage(std::string_view message, std::string_view language) {
  for (const Parsed& table : ParsedTables()) {
    if (table.language != language) continue;
    // The template that fits with the most of its own text: a whole
    // message before a lead-in or a part that also begins it.
    const std::pair<Template, std::string_view>* best = nullptr;
    std::optional<Match> found;
    for (const auto& entry : table.messages) {
      if (best && entry.first.literal <= best->first.literal) continue;
      if (auto m = MatchTemplate(entry.first, message)) {
        best = &entry;
        found = std::move(m);
      }
    }
    if (!best) break;
    // The arguments and the detail may be messages of their own (a reason,
    // the part of a file that fails, the message after a place); a quoted
    // one is the user's own text (a file's name, a word of the MML).
    const Template& t = best->first;
    std::vector<std::string> args(9);
    for (size_t i = 0; i < found->args.size(); ++i) {
      const bool quoted = t.texts[i].ends_with('"') && t.texts[i + 1].starts_with('"');
      args[size_t(t.order[i])] = quoted ? found->args[i] : TranslateMessage(found->args[i], language);
    }
    std::string out = FormatMessage(best->second, {args[0], args[1], args[2], args[3], args[4], args[5], args[6],
                                                   args[7], args[8]});
    out += found->separator;
    if (!found->detail.empty()) out += TranslateMessage(found->detail, language);
    return out;
  }
  return std::string(message);
}

std::string AboutFile(std::string_view name, std::string_view message) {
  return FormatMessage(QT_TRANSLATE_NOOP("Message", "\"%1\": %2"), {name, message});
}

}  // namespace volemo
