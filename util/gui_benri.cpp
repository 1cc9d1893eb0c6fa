#include "gui_benri.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <algorithm>

namespace volemo {
namespace {

ModalAnswerer* answerer = nullptr;

void ShowMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
  if (answerer) {
    answerer->ShowBox(icon == QMessageBox::Warning ? ModalAnswerer::Box::Warning
                                                   : ModalAnswerer::Box::Error,
                      caption, text);
    return;
  }
  // Owned by the window in front, so the box stays above it and blocks it.
  QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // a compiler message or file name is never markup
  box.exec();
}

}  // namespace

QString ApplicationTitle() {
  return ApplicationTitleOf(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

QString ApplicationTitleOf(const QString& programFileName) {
  const QString name = programFileName.section(u'.', 0, 0);
  return name.left(1) + name.mid(1).toLower();
}

QString LoadQtJapanese() {
  QString missing;
  if (QTranslator* translator = LoadQtTranslation(QStringLiteral("ja"), missing))
    QCoreApplication::installTranslator(translator);
  return missing;
}

QTranslator* LoadQtTranslation(const QString& language, QString& missing) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QString name = QStringLiteral("qtbase_") + language;
  if (translator->load(name, folder)) return translator;
  delete translator;
  missing = folder + u'/' + name + QStringLiteral(".qm");
  return nullptr;
}

void ShowWarning(const QString& text, const QString& caption) {
  ShowMessageBox(QMessageBox::Warning, caption.isEmpty() ? ApplicationTitle() : caption, text);
}

void ShowError(const QString& message) {
  ShowMessageBox(QMessageBox::Critical, ApplicationTitle(), ErrorBoxText(message));
}

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back() > u'.') return message + u'.';
  return message;
}

bool OpenDocument(const QString& address) {
  if (answerer) return answerer->OpenDocument(address);
  return QDesktopServices::openUrl(QUrl(address));
}

namespace {

std::optional<SaveAnswer> AskFileName(QWidget* parent, const SaveRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(request.filters);
  dialog.selectNameFilter(request.filters.value(request.filterIndex));
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return SaveAnswer{dialog.selectedFiles().front(),
                    std::max<int>(0, int(request.filters.indexOf(dialog.selectedNameFilter())))};
}

}  // namespace

std::optional<SaveAnswer> AskSaveFileName(QWidget* parent, const SaveRequest& request) {
  if (answerer) return answerer->AskSaveFileName(request);
  return AskFileName(parent, request, QFileDialog::AcceptSave);
}

std::optional<SaveAnswer> AskOpenFileName(QWidget* parent, const SaveRequest& request) {
  if (answerer) return answerer->AskOpenFileName(request);
  return AskFileName(parent, request, QFileDialog::AcceptOpen);
}

int RunModal(QDialog& dialog) {
  if (answerer) {
    ModalAnswerer* current = answerer;
    QTimer::singleShot(0, &dialog, [current, &dialog] {
      current->WhileModal(dialog);
      if (dialog.isVisible()) dialog.reject();
    });
  }
  return dialog.exec();
}

void SetModalAnswerer(ModalAnswerer* a) { answerer = a; }

}  // namespace volemo
