// The settings record: the one way the phrase engine reaches the controls
// that hold its settings. The window implements it over its widgets, the
// command line over plain values (MemorySettings). Every text is CP932 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace volemo {

class Settings {
 public:
  virtual ~Settings() = default;

  // Spin fields ("spn..."): the value read from the text as it stands
  // (decimal or hex, signed 32-bit, otherwise the field's minimum; never
  // clamped), and the text itself.
  virtual int32_t Value(std::string_view name) const = 0;
  virtual std::string Text(std::string_view name) const = 0;

  // Drop-down lists ("cmb..."): the selected index, -1 when none.
  virtual int Index(std::string_view name) const = 0;

  // Check boxes ("chk...").
  virtual bool IsChecked(std::string_view name) const = 0;

  // Sliders ("scr..." and "src..."): always inside their range.
  virtual int Position(std::string_view name) const = 0;
  // Clamps v into the slider's range; only a real change is stored and
  // runs the slider's change handler.
  virtual void SetPosition(std::string_view name, int v) = 0;

  virtual std::string PatternText() const = 0;
  virtual void SetPatternText(const std::string& text) = 0;
  virtual std::string MmlText() const = 0;
  virtual void SetMmlText(const std::string& text) = 0;

  // Shows text on the status line with every CR LF turned into one blank.
  virtual void SetStatus(const std::string& text) = 0;
};

}  // namespace volemo
