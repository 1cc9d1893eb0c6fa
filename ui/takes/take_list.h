// The take list: the kept phrases newest first, with a filter for starred
// ones, star, delete and export, and the presets. A self-contained widget
// over a TakeKeeper, to be placed in whichever window hosts it.
#pragma once

#include <QWidget>
#include <optional>

#include "take_list_model.h"

class QCheckBox;
class QComboBox;
class QSortFilterProxyModel;
class QTableView;

namespace volemo {

class TakeKeeper;

class TakeList : public QWidget {
  Q_OBJECT

 public:
  explicit TakeList(TakeKeeper& keeper, QWidget* parent = nullptr);

  TakeListModel& model() { return model_; }

 private:
  void Reload();
  void ShowCurrent();
  void TakeSelected();
  std::vector<int64_t> SelectedIds() const;
  void ToggleStar();
  void DeleteSelected();
  void ExportSelected();

  void ReloadPresets();
  std::optional<Preset> ChosenPreset() const;
  void CheckNewName(const QString& name) const;
  void LoadPreset();
  void SavePreset();
  void RenamePreset();
  void DeletePreset();

  TakeKeeper& keeper_;
  TakeListModel model_;
  QSortFilterProxyModel* proxy_;
  QTableView* view_;
  QComboBox* presets_;
  bool showing_ = false;  // the list follows the keeper: no restore from that
};

}  // namespace volemo
