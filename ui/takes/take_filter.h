// Which takes the list shows: the starred ones only, one scale, one way of
// making (the words of the operation column). An empty choice lets all
// through.
#pragma once

#include <QSortFilterProxyModel>

namespace volemo {

class TakeFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetStarredOnly(bool on);
  void SetScale(const QString& scale);
  void SetOperation(const QString& words);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  bool starredOnly_ = false;
  QString scale_, operation_;
};

}  // namespace volemo
