#include "dvorlin/compile.h"

#include "messages.h"
#include "mml_reader.h"
#include "performer.h"
#include "reporter.h"

namespace dvorlin {
namespace {

// Far beyond any phrase (a million events take about 4 MB); keeps the
// memory of one compile bounded to some hundred megabytes.
constexpr size_t kMaxText = size_t{16} << 20;

}  // namespace

Performance Perform(std::string_view mml) {
  Performance result;
  Reporter reporter(mml);
  if (mml.size() > kMaxText) {
    reporter.Report(0, [] { return msg::TextTooLong(kMaxText >> 20); });
  } else {
    const Program program = ReadMml(mml, reporter);
    if (reporter.Empty()) result.song = PerformProgram(program, mml, reporter);
  }
  result.diagnostics = reporter.Take();
  return result;
}

std::string FormatDiagnostics(const std::vector<Diagnostic>& diagnostics) {
  std::string out;
  for (const Diagnostic& d : diagnostics) {
    if (!out.empty()) out += "\r\n";
    out += msg::Place(d.line, d.column);
    out += d.message;
  }
  return out;
}

}  // namespace dvorlin
