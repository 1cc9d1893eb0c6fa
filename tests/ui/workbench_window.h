// The main window and its workbench, as the workbench's tests reach them.
#pragma once

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
};

}  // namespace volemo::test
