// The settings record over plain values, with the window's ranges, defaults
// and slider rules: what the command line and the engine tests drive.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "control_values.h"
#include "controls.h"
#include "engine_state.h"

namespace volemo {

class MemorySettings : public EditableSettings {
 public:
  explicit MemorySettings(EngineState& state);
  // The controls of values over state, which is usually a copy of theirs.
  MemorySettings(EngineState& state, const MemorySettings& values);

  int32_t Value(std::string_view name) const override;
  std::string Text(std::string_view name) const override;
  int Index(std::string_view name) const override;
  bool IsChecked(std::string_view name) const override;
  int Position(std::string_view name) const override;
  void SetPosition(std::string_view name, int v) override;
  std::string PatternText() const override { return pattern_; }
  void SetPatternText(const std::string& text) override { pattern_ = text; }
  std::string MmlText() const override { return mml_; }
  void SetMmlText(const std::string& text) override { mml_ = text; }
  void SetStatus(const std::string& text) override;

  // Picking in a list runs no handler here: re-applying the scale is the
  // caller's business (SetControl), as in the window.
  void SetText(std::string_view spinName, const std::string& text) override;
  void SetIndex(std::string_view listName, int index) override;
  void SetChecked(std::string_view checkName, bool checked) override;
  const std::string& Status() const { return status_; }

 private:
  struct Control {
    const ControlInfo* info;
    std::string text;  // spin fields
    int value;         // lists, checks, sliders
  };
  const Control& Find(std::string_view name, ControlKind kind) const;
  Control& Find(std::string_view name, ControlKind kind);

  // Looked up by name for every note a phrase draws: hashed, and by a
  // string_view without a copy.
  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };

  EngineState& state_;
  std::unordered_map<std::string, Control, NameHash, std::equal_to<>> controls_;
  std::string pattern_, mml_, status_;
};

}  // namespace volemo
