#include "take_filter.h"

#include "take_list_model.h"

namespace volemo {

void TakeFilter::SetStarredOnly(bool on) {
  starredOnly_ = on;
  invalidateRowsFilter();
}

void TakeFilter::SetScale(const QString& scale) {
  scale_ = scale;
  invalidateRowsFilter();
}

void TakeFilter::SetOperation(const QString& words) {
  operation_ = words;
  invalidateRowsFilter();
}

bool TakeFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  const Take& take = static_cast<const TakeListModel*>(sourceModel())->TakeAt(sourceRow);
  return (!starredOnly_ || take.starred) && (scale_.isEmpty() || TakeListModel::ScaleName(take) == scale_) &&
         (operation_.isEmpty() || TakeListModel::OperationText(take.operation) == operation_);
}

}  // namespace volemo
