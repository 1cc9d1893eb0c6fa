// The settings record over the main window's controls: the engine reads and
// sets the window only through this. Texts cross here between the window's
// Unicode and the engine's CP932 bytes.
#pragma once

#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include "control_values.h"

class QLabel;
class QWidget;

namespace volemo {

class LongLineBox;

class WindowSettings : public EditableSettings {
 public:
  // Finds every control of the settings table among the window's children
  // by its object name.
  explicit WindowSettings(QWidget& window);

  int32_t Value(std::string_view name) const override;
  std::string Text(std::string_view name) const override;
  int Index(std::string_view name) const override;
  bool IsChecked(std::string_view name) const override;
  int Position(std::string_view name) const override;
  void SetPosition(std::string_view name, int v) override;
  std::string PatternText() const override;
  void SetPatternText(const std::string& text) override;
  std::string MmlText() const override;
  void SetMmlText(const std::string& text) override;
  void SetStatus(const std::string& text) override;
  // Another line that shows each status message from now on (the
  // workbench's), and the one shown now.
  void AlsoShowStatusIn(QLabel& line);
  // As the user would: a spin field's text runs its change handler; a list's
  // selection made here runs none.
  void SetText(std::string_view spinName, const std::string& text) override;
  void SetIndex(std::string_view listName, int index) override;
  void SetChecked(std::string_view checkName, bool checked) override;

 private:
  template <class T>
  T& Control(std::string_view name) const;

  std::map<std::string, QWidget*, std::less<>> controls_;
  LongLineBox* pattern_;
  LongLineBox* mml_;
  QLabel* status_;
  std::vector<QPointer<QLabel>> otherStatusLines_;
};

}  // namespace volemo
