// Collects the mistakes found in one compile and places them on lines and
// columns.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dvorlin/compile.h"
#include "source_position.h"

namespace dvorlin {

class Reporter {
 public:
  explicit Reporter(std::string_view source) : source_(source) {}

  // Keeps only the first mistake of each line: what follows it on the line
  // usually stems from it. make() builds the message and runs only when the
  // mistake is kept, so skipped ones cost nothing.
  template <class MakeMessage>
  void Report(size_t offset, MakeMessage&& make) {
    if (Full()) return;
    if (!lines_) lines_.emplace(source_);
    const int line = lines_->Line(offset);
    for (const Diagnostic& d : list_)
      if (d.line == line) return;
    list_.push_back({line, lines_->Column(line, offset), std::forward<MakeMessage>(make)()});
  }

  // Enough to fix in one round; past it, reading stops.
  bool Full() const { return list_.size() >= kMaxReports; }
  bool Empty() const { return list_.empty(); }
  // In the order of the text: a missing "]" is only found at the end.
  std::vector<Diagnostic> Take() {
    std::stable_sort(list_.begin(), list_.end(), [](const Diagnostic& x, const Diagnostic& y) {
      return x.line < y.line;
    });
    return std::move(list_);
  }

 private:
  static constexpr size_t kMaxReports = 50;
  std::string_view source_;
  std::optional<LineIndex> lines_;
  std::vector<Diagnostic> list_;
};

}  // namespace dvorlin
