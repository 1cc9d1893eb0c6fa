// What the window tests share: an answerer that stands in for the person in
// front of every box and dialog, the scale file in the program directory,
// and finding controls by name.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui_benri.h"

namespace volemo::test {

// A file's bytes, and a file made of bytes (replacing what was there).
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}
inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
inline std::string ReadBytes(const QString& path) { return ReadBytes(std::filesystem::path(path.toStdString())); }
inline void WriteBytes(const QString& path, const std::string& bytes) {
  WriteBytes(std::filesystem::path(path.toStdString()), bytes);
}

class Answerer : public ModalAnswerer {
 public:
  struct ShownBox {
    Box kind;
    QString caption, text;
  };

  Answerer() { SetModalAnswerer(this); }
  ~Answerer() override { SetModalAnswerer(nullptr); }

  void ShowBox(Box kind, const QString& caption, const QString& text) override {
    boxes.push_back({kind, caption, text});
  }
  std::optional<SaveAnswer> AskSaveFileName(const SaveRequest& request) override {
    saveRequests.push_back(request);
    if (saveAnswers.empty()) return std::nullopt;  // nobody there: cancel
    if (onSaveAnswer) onSaveAnswer();
    const std::optional<SaveAnswer> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  std::optional<SaveAnswer> AskOpenFileName(const SaveRequest& request) override {
    openRequests.push_back(request);
    if (openAnswers.empty()) return std::nullopt;
    const std::optional<SaveAnswer> answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
  }
  void WhileModal(QDialog& dialog) override {
    modalTitles.push_back(dialog.windowTitle());
    if (!whileModal.empty()) {
      const auto action = whileModal.front();
      whileModal.pop_front();
      action(dialog);
    }
  }
  bool OpenDocument(const QString& address) override {
    openedDocuments.push_back(address);
    return desktopOpensDocuments;
  }

  std::vector<ShownBox> boxes;
  std::vector<SaveRequest> saveRequests;
  std::deque<std::optional<SaveAnswer>> saveAnswers;  // nullopt: cancel
  std::function<void()> onSaveAnswer;                 // runs as a name is given
  std::vector<SaveRequest> openRequests;
  std::deque<std::optional<SaveAnswer>> openAnswers;  // nullopt: cancel
  std::deque<std::function<void(QDialog&)>> whileModal;
  std::vector<QString> modalTitles;
  std::vector<QString> openedDocuments;
  bool desktopOpensDocuments = true;
};

// The scale file in the program directory, as the window reads it at start.
void WriteScaleFile(const QByteArray& contents);
void CopyShippedScaleFile();
void RemoveScaleFile();

// ProgramDir() + name.
std::string InProgramDir(const char* name);

// The control of the window with this object name; fails the test when
// there is none.
template <class T>
T* Find(QWidget& window, const char* name) {
  T* w = window.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no control named %s", name);
  return w;
}

// The text of the window's status line.
inline QString StatusText(QWidget& window) { return Find<QLabel>(window, "sbarText")->text(); }

// The CP932 bytes of a UTF-8 literal, for comparing with the record's texts.
std::string Cp932(const char* utf8);

}  // namespace volemo::test
