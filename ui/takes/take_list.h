// The take list: the kept phrases newest first, with filters (starred,
// scale, way of making), star, delete and export, and the presets. A self-contained widget
// over a TakeKeeper, to be placed in whichever window hosts it.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "take_list_model.h"

class QComboBox;
class QTableView;

namespace volemo {

class TakeFilter;
class TakeKeeper;

class TakeList : public QWidget {
  Q_OBJECT

 public:
  explicit TakeList(TakeKeeper& keeper, QWidget* parent = nullptr);

  TakeListModel& model() { return model_; }

 signals:
  // The chosen preset has set the scale and the controls.
  void presetLoaded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reload();
  void Refilter(const std::function<void()>& change);
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
  TakeFilter* proxy_;
  QTableView* view_;
  QComboBox* scales_;
  QComboBox* operations_;
  QComboBox* presets_;
  bool showing_ = false;  // the list follows the keeper: no restore from that
};

}  // namespace volemo
