// Small helpers between the program and the desktop: its title, Qt's own
// texts in Japanese, the warning and error boxes, opening a document in the
// desktop's viewer, and the one door through which every modal box, modal
// window and the save and open dialogs pass.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "program_dir.h"

class QDialog;
class QTranslator;
class QWidget;

namespace volemo {

// The program file's name up to its first ".", every character after the
// first in lower case: the caption of the program's boxes.
QString ApplicationTitle();
QString ApplicationTitleOf(const QString& programFileName);

// widget, given the object name by which the tests and the stored settings
// find it.
template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// Installs Qt's own Japanese translations (qtbase_ja) in the application, so
// that the dialogs and menus Qt draws speak the window's language whatever
// the locale. Returns the file it could not load, or an empty string.
QString LoadQtJapanese();
// Qt's own translations for the language ("ja", "en"), loaded but not yet
// installed; nullptr when Qt has none here, missing then naming the file.
QTranslator* LoadQtTranslation(const QString& language, QString& missing);

// A modal warning box with one OK button; an empty caption means the
// application title.
void ShowWarning(const QString& text, const QString& caption = {});

// The error box: stop icon, one OK button, captioned with the application
// title. Shows ErrorBoxText(message).
void ShowError(const QString& message);

// The message with "." appended when its last character sorts after "."
// (letters, digits and Japanese characters, but not ")").
QString ErrorBoxText(const QString& message);

// Asks the desktop to open the address (a web or file URL); false when the
// desktop has no way to (no xdg-open, no handler). Whether the viewer then
// shows it is not known.
bool OpenDocument(const QString& address);

// The save dialog's question and the user's answer.
struct SaveRequest {
  QString fileName;          // proposed in the file-name box
  QStringList filters;       // Qt name filters, e.g. "MIDI(*.mid)"
  int filterIndex = 0;       // the filter selected at the start
  QString defaultSuffix;     // added to a name typed without one
};
struct SaveAnswer {
  QString fileName;
  int filterIndex = 0;
};

// Shows the save dialog (with the desktop's overwrite prompt); nullopt when
// the user cancels.
std::optional<SaveAnswer> AskSaveFileName(QWidget* parent, const SaveRequest& request);

// The open dialog, with the same question (the proposed name picks the
// folder it starts in); nullopt when the user cancels.
std::optional<SaveAnswer> AskOpenFileName(QWidget* parent, const SaveRequest& request);

// Runs a modal window until it closes; returns its result.
int RunModal(QDialog& dialog);

// Tests answer the program's modal interaction here, so that no window ever
// waits for a person. Install one with SetModalAnswerer; nullptr restores
// the real dialogs.
class ModalAnswerer {
 public:
  enum class Box { Warning, Error };
  virtual ~ModalAnswerer() = default;
  virtual void ShowBox(Box kind, const QString& caption, const QString& text) = 0;
  virtual std::optional<SaveAnswer> AskSaveFileName(const SaveRequest& request) = 0;
  virtual std::optional<SaveAnswer> AskOpenFileName(const SaveRequest& request) = 0;
  // Called once the modal window is open; whatever is still open when it
  // returns is rejected.
  virtual void WhileModal(QDialog& dialog) = 0;
  virtual bool OpenDocument(const QString& address) = 0;
};
void SetModalAnswerer(ModalAnswerer* answerer);

}  // namespace volemo
