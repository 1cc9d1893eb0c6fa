// Reading a command line one option at a time.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "volemo_error.h"

namespace volemo::cli {

// Bad usage: reported on stderr with exit status 2.
class UsageError : public Error {
 public:
  using Error::Error;
};

class ArgumentReader {
 public:
  explicit ArgumentReader(std::vector<std::string> args) : args_(std::move(args)) {}

  bool AtEnd() const { return next_ >= args_.size(); }

  // True, and consumed, when the next argument is exactly name.
  bool TakeFlag(std::string_view name);
  // The value of "name VALUE" or "name=VALUE" when the next argument is
  // that option; throws UsageError when the value is missing.
  std::optional<std::string> TakeValue(std::string_view name);

  // The next argument as an operand named what; throws UsageError when it is
  // missing or looks like an option.
  std::string TakePositional(std::string_view what);

  // Throws UsageError for the next argument, which no one took.
  [[noreturn]] void RejectNext() const;

 private:
  std::vector<std::string> args_;
  size_t next_ = 0;
};

// Throws UsageError when out names the file in (itself or through a link):
// writing out would destroy what is being read.
void RefuseOutputOverInput(const std::string& in, const std::string& out);

// The whole of text as an integer, or UsageError naming what.
long long ParseInteger(std::string_view text, std::string_view what);

}  // namespace volemo::cli
