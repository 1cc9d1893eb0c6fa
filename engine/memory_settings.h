// The settings record over plain values, with the window's ranges, defaults
// and slider rules: what the command line and the engine tests drive.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "controls.h"
#include "engine_state.h"
#include "settings.h"

namespace volemo {

class MemorySettings : public Settings {
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

  // What a user does to the controls (not part of the record). Each throws
  // std::invalid_argument for a name that is not a control of that kind;
  // SetIndex throws std::out_of_range for an index the list does not hold
  // (-1, no selection, is allowed). Picking in a list runs no handler here:
  // re-applying the scale is the caller's business, as in the window.
  void SetText(std::string_view spinName, const std::string& text);  // typed, unclamped
  void SetIndex(std::string_view listName, int index);
  void SetChecked(std::string_view checkName, bool checked);
  const std::string& Status() const { return status_; }

 private:
  struct Control {
    const ControlInfo* info;
    std::string text;  // spin fields
    int value;         // lists, checks, sliders
  };
  const Control& Find(std::string_view name, ControlKind kind) const;
  Control& Find(std::string_view name, ControlKind kind);

  EngineState& state_;
  std::map<std::string, Control, std::less<>> controls_;
  std::string pattern_, mml_, status_;
};

}  // namespace volemo
