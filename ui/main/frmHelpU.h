// The help window: a picture of the main window's top with the button to
// press circled, and a short note on how to start.
#pragma once

#include <QDialog>

class QLabel;

namespace volemo {

class TfrmHelp : public QDialog {
  Q_OBJECT

 public:
  // mainWindow is the window the picture shows; it owns this window.
  explicit TfrmHelp(QWidget* mainWindow);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Button1Click();

  QLabel* picture_;
};

// The help picture: the top of the window as it looks now, with its play
// button (ToolButton4) circled in red and the note below.
QPixmap MakeHelpPicture(QWidget& mainWindow);

}  // namespace volemo
