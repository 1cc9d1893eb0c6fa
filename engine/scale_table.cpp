#include "scale_table.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "StrUnit.h"
#include "controls.h"
#include "cp932.h"
#include "engine_error.h"
#include "input_file.h"
#include "translatable.h"
#include "message_text.h"

namespace volemo {
namespace {

constexpr std::array<std::string_view, 12> kScaleSliders = {
    "src0", "src1", "src2", "src3", "src4", "src5", "src6", "src7", "src8", "src9", "src10", "src11"};

std::vector<std::string_view> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

// Far more than any list of scales needs; anything larger is not a scale
// file, and reading it whole would only cost the start its time and memory.
constexpr size_t kMaxScaleFileBytes = 4 * 1024 * 1024;

[[noreturn]] void ThrowCannotOpen(const std::string& path, std::string_view reason) {
  throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "ファイル \"%1\" は開けません。 %2"), {path, reason}));
}

std::string ReadScaleFile(const std::string& path) {
  std::string text;
  if (const auto failure =
          ReadInputFile(path, kMaxScaleFileBytes, QT_TRANSLATE_NOOP("Message", "スケール定義ファイルとしては大きすぎます（4 MiB まで）"), text))
    ThrowCannotOpen(path, failure->reason);
  return text;
}

void WarnReadError(const WarningFn& warn, const std::string& text) { warn(text, QT_TRANSLATE_NOOP("Message", "読み込みエラー")); }

}  // namespace

ScaleTable ParseScaleTable(std::string_view fileText) {
  const std::vector<std::string_view> lines = SplitLines(fileText);
  ScaleTable table;
  for (size_t i = 0; i < lines.size();) {
    if (lines[i].empty()) {
      ++i;
      continue;
    }
    table.names.emplace_back(lines[i]);
    // A name on the last line gets an empty definition (all weights 0), so
    // the two lists stay parallel and the name still shows in the list.
    table.definitions.emplace_back(i + 1 < lines.size() ? lines[i + 1] : std::string_view{});
    i += 2;
  }
  return table;
}

int DefaultScaleIndex(const ScaleTable& table) {
  for (size_t i = 0; i < table.names.size(); ++i)
    if (EqualsIgnoringAsciiCase(table.names[i], "Major")) return static_cast<int>(i);
  return -1;
}

ScaleWeights DefinitionWeights(std::string_view definition) {
  // Digits B to F count as A, the sliders' maximum, so the weights and the
  // sliders always agree.
  ScaleWeights weights{};
  for (size_t i = 0; i < weights.size() && i < definition.size(); ++i) {
    // Both bytes of a double-byte character count 0, even a trail byte
    // that happens to be the code of a digit.
    if (IsLeadByte(static_cast<unsigned char>(definition[i]))) {
      ++i;
      continue;
    }
    weights[i] = std::min(HexDigitValue(definition[i]), 10);
  }
  return weights;
}

int LoadScaleTable(EngineState& state, const std::string& path, const WarningFn& warn,
                   std::string_view shownName) {
  state.scaleNames.clear();
  state.scaleDefinitions.clear();
  // Only a file that is surely absent is "missing"; any other trouble is
  // left to the open, which reports it with the system's reason.
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) {
    WarnReadError(warn, FormatMessage(QT_TRANSLATE_NOOP("Message", "スケール定義ファイル\"%1\"がありません。"), {shownName}));
    return -1;
  }
  ScaleTable table = ParseScaleTable(ReadScaleFile(path));
  const int selected = DefaultScaleIndex(table);
  // Said before the list-index box that follows, which alone would not tell
  // the user which file is at fault or how.
  if (table.names.empty())
    WarnReadError(warn, FormatMessage(QT_TRANSLATE_NOOP("Message", "スケール定義ファイル\"%1\"にスケールがありません。"), {path}));
  else if (selected < 0)
    WarnReadError(warn, FormatMessage(QT_TRANSLATE_NOOP("Message", "スケール定義ファイル\"%1\"に\"Major\" という名前のスケールがありません。"), {path}));
  state.scaleNames = std::move(table.names);
  state.scaleDefinitions = std::move(table.definitions);
  return selected;
}

void ApplyScale(Settings& settings, EngineState& state) {
  const int s = settings.Index("cmbScale");
  if (s < 0 || s >= static_cast<int>(state.scaleDefinitions.size())) {
    throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "リストのインデックスが範囲を超えています (%1)"), {std::to_string(s)}));
  }
  const int key = std::clamp(settings.Index("cmbKey"), 0, 11);
  const ScaleWeights definition = DefinitionWeights(state.scaleDefinitions[s]);
  for (int p = 0; p < 12; ++p) state.weights[(p + key) % 12] = definition[p];
  ShowWeightsOnSliders(settings, state);
}

void ShowWeightsOnSliders(Settings& settings, const EngineState& state) {
  // Copied first: each SetPosition may run the change handler, which
  // writes into the weights being shown.
  const ScaleWeights weights = state.weights;
  for (size_t i = 0; i < weights.size(); ++i) settings.SetPosition(kScaleSliders[i], weights[i]);
}

void ScaleSliderChanged(EngineState& state, int tag, int position) {
  state.weights.at(tag) = position;
}

}  // namespace volemo
