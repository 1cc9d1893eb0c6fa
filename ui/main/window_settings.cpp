#include "window_settings.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <stdexcept>

#include "StrUnit.h"
#include "controls.h"
#include "cp932.h"
#include "long_line_box.h"
#include "spin_field.h"
#include "translation.h"

namespace volemo {
namespace {

template <class T>
T* FindNamed(QWidget& window, std::string_view name) {
  T* w = window.findChild<T*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
  if (!w) throw std::logic_error("no control named " + std::string(name));
  return w;
}

// The boxes hold lines the Qt way ("\n"); the engine's texts break lines
// with CR LF. Both ways are one pass: a text may be megabytes of short
// lines, which a replace of each break in place would move again and again.
std::string FromBox(const LongLineBox& box) {
  const std::string text = box.Text().toStdString();
  std::string lines;
  lines.reserve(text.size() + size_t(std::count(text.begin(), text.end(), '\n')));
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return Cp932FromUtf8(lines);
}

void ToBox(LongLineBox& box, const std::string& cp932) {
  const std::string text = Utf8FromCp932(cp932);
  std::string lines;
  lines.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  box.SetText(QString::fromStdString(lines));
}

}  // namespace

WindowSettings::WindowSettings(QWidget& window)
    : pattern_(FindNamed<LongLineBox>(window, "memRythm")),
      mml_(FindNamed<LongLineBox>(window, "memMML")),
      status_(FindNamed<QLabel>(window, "sbarText")) {
  for (const ControlInfo& c : AllControls())
    controls_.emplace(std::string(c.name), FindNamed<QWidget>(window, c.name));
}

template <class T>
T& WindowSettings::Control(std::string_view name) const {
  const auto it = controls_.find(name);
  T* w = it == controls_.end() ? nullptr : qobject_cast<T*>(it->second);
  if (!w) throw std::logic_error("no control of this kind named " + std::string(name));
  return *w;
}

int32_t WindowSettings::Value(std::string_view name) const {
  return Control<SpinField>(name).value();
}

std::string WindowSettings::Text(std::string_view name) const {
  return Cp932FromUtf8(Control<SpinField>(name).text().toStdString());
}

int WindowSettings::Index(std::string_view name) const {
  return Control<QComboBox>(name).currentIndex();
}

bool WindowSettings::IsChecked(std::string_view name) const {
  return Control<QCheckBox>(name).isChecked();
}

int WindowSettings::Position(std::string_view name) const {
  return Control<QAbstractSlider>(name).value();
}

void WindowSettings::SetPosition(std::string_view name, int v) {
  // The slider clamps, and reports valueChanged (which runs its change
  // handler) only when the position really changes.
  Control<QAbstractSlider>(name).setValue(v);
}

std::string WindowSettings::PatternText() const { return FromBox(*pattern_); }
void WindowSettings::SetPatternText(const std::string& text) { ToBox(*pattern_, text); }
std::string WindowSettings::MmlText() const { return FromBox(*mml_); }
void WindowSettings::SetMmlText(const std::string& text) { ToBox(*mml_, text); }

void WindowSettings::SetText(std::string_view name, const std::string& text) {
  Control<SpinField>(name).setText(QString::fromStdString(Utf8FromCp932(text)));
}

void WindowSettings::SetIndex(std::string_view name, int index) {
  auto& list = Control<QComboBox>(name);
  if (index < -1 || index >= list.count())
    throw std::out_of_range(std::string(name) + " has no entry " + std::to_string(index));
  list.setCurrentIndex(index);
}

void WindowSettings::SetChecked(std::string_view name, bool checked) { Control<QCheckBox>(name).setChecked(checked); }

void WindowSettings::SetStatus(const std::string& text) {
  // In another language each line is translated before the lines are joined.
  status_->setText(CurrentLanguage() == Language::Japanese
                       ? MessageText(ReplaceCrLfWithBlank(text))
                       : MessageText(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
  for (QLabel* line : otherStatusLines_)
    if (line) line->setText(status_->text());
}

void WindowSettings::AlsoShowStatusIn(QLabel& line) {
  line.setText(status_->text());
  otherStatusLines_.emplace_back(&line);
}

}  // namespace volemo
