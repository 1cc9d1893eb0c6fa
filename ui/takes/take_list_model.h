// The takes as a table, newest first: the list's model. It holds the takes
// the store gave it and computes each cell when the view asks, so a long
// list costs only the rows on screen.
#pragma once

#include <QAbstractTableModel>
#include <map>
#include <vector>

#include "take.h"

namespace volemo {

class TakeListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTime, kStar, kName, kOperation, kScale, kTempo, kVoice, kPattern, kColumnCount };
  static constexpr char kStarred[] = "★";

  using QAbstractTableModel::QAbstractTableModel;

  void SetTakes(std::vector<Take> takes);
  const Take& TakeAt(int row) const { return takes_[static_cast<size_t>(row)]; }
  int RowOf(int64_t id) const;  // -1 when not listed

  // How the take was made, in words; an operation without words as it is
  // stored.
  static QString OperationText(const std::string& operation);
  // The take's scale name; empty for a file's text, which names none.
  static QString ScaleName(const Take& take);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The name column: asks for the rename, which the store confirms by a
  // new list.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void renameRequested(int64_t id, const QString& name);

 private:
  // The tempo and voice the take's MML sets, read once for each take: a
  // file's text or a hand edit need not follow the controls.
  struct Sounding {
    QString tempo, voice;
  };
  const Sounding& SoundingOf(const Take& take) const;

  std::vector<Take> takes_;
  mutable std::map<int64_t, Sounding> sounding_;
};

}  // namespace volemo
