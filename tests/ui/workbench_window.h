// The main window and its workbench, as the workbench's tests reach them.
#pragma once

#include <QApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "frmMainU.h"
#include "frmWorkbench.h"
#include "roll_views.h"
#include "ui_test_support.h"

namespace volemo::test {

class WorkbenchWindow {
 protected:
  std::unique_ptr<Answerer> answerer_;
  std::unique_ptr<TfrmMain> window_;

  TfrmMain& W() { return *window_; }
  TfrmWorkbench& Bench() { return *Find<TfrmWorkbench>(W(), "frmWorkbench"); }
  RollEditor& Editor() { return Bench().editor(); }
  RollNoteView* Notes() { return Find<RollNoteView>(Bench(), "rollNotes"); }
  QString Mml() { return Find<QPlainTextEdit>(W(), "memMML")->toPlainText(); }

  // From init(): the shipped scale file in place, nothing remembered, no
  // takes but the test's own, the workbench opened by its key and active.
  void OpenWorkbench() {
    CopyShippedScaleFile();
    QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")).clear();
    answerer_ = std::make_unique<Answerer>();
    data_ = std::make_unique<QTemporaryDir>();
    qputenv("VOLEMO_DATA_DIR", data_->path().toUtf8());
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTest::keyClick(&W(), Qt::Key_F6);
    QApplication::setActiveWindow(&Bench());
    QVERIFY(QTest::qWaitForWindowActive(&Bench()));
  }
  void CloseWindow() {
    window_.reset();
    answerer_.reset();
    data_.reset();
  }

 private:
  std::unique_ptr<QTemporaryDir> data_;
};

}  // namespace volemo::test
