#include "take_list_model.h"

#include <QDateTime>
#include <algorithm>

#include "translation.h"
#include "voice_names.h"

namespace volemo {
namespace {

const char* const kKeyNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

QString Control(const Take& take, std::string_view name) {
  for (const auto& [control, value] : take.controls)
    if (control == name) return QString::fromStdString(value);
  return {};
}

QString Cell(const Take& take, int column) {
  switch (column) {
    case TakeListModel::kTime:
      return QDateTime::fromString(QString::fromStdString(take.created), Qt::ISODateWithMs)
          .toLocalTime()
          .toString(QStringLiteral("MM/dd HH:mm:ss"));
    case TakeListModel::kStar:
      return take.starred ? QString::fromUtf8(TakeListModel::kStarred) : QStringLiteral("☆");
    case TakeListModel::kName:
      return QString::fromStdString(take.name);
    case TakeListModel::kScale: {
      bool ok = false;
      const int key = Control(take, "cmbKey").toInt(&ok);
      const QString keyName = ok && key >= 0 && key < 12 ? QString::fromLatin1(kKeyNames[key]) : QString();
      return ShownScaleName(QString::fromStdString(take.scale)) + u' ' + keyName;
    }
    case TakeListModel::kTempo:
      return Control(take, "spnTempo");
    case TakeListModel::kVoice: {
      const QString number = Control(take, "spnVoice");
      const int voice = number.toInt();
      if (Control(take, "chkVoice") == u"0") return QStringLiteral("—");
      return voice >= 1 && voice <= 128 ? number + u' ' + QString::fromLatin1(kVoiceNames[voice - 1]) : number;
    }
    case TakeListModel::kPattern:
      return QString::fromStdString(take.pattern).simplified();
  }
  return {};
}

}  // namespace

void TakeListModel::SetTakes(std::vector<Take> takes) {
  beginResetModel();
  takes_ = std::move(takes);
  endResetModel();
}

int TakeListModel::RowOf(int64_t id) const {
  const auto it = std::find_if(takes_.begin(), takes_.end(), [id](const Take& t) { return t.id == id; });
  return it == takes_.end() ? -1 : static_cast<int>(it - takes_.begin());
}

int TakeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(takes_.size());
}

int TakeListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TakeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Take& take = TakeAt(index.row());
  if (role == Qt::DisplayRole || role == Qt::EditRole) return Cell(take, index.column());
  if (role == Qt::ToolTipRole && index.column() == kPattern) return QString::fromStdString(take.pattern);
  if (role == Qt::TextAlignmentRole && index.column() == kStar) return int(Qt::AlignCenter);
  return {};
}

QVariant TakeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kTitles[kColumnCount] = {QT_TR_NOOP("日時"),   "★",               QT_TR_NOOP("名前"),
                                                    QT_TR_NOOP("スケールとキー"), QT_TR_NOOP("テンポ"), QT_TR_NOOP("音色"),
                                                    QT_TR_NOOP("パターン")};
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return QString::number(TakeAt(section).id);
  return tr(kTitles[section]);
}

Qt::ItemFlags TakeListModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return index.column() == kName ? flags | Qt::ItemIsEditable : flags;
}

bool TakeListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() != kName) return false;
  emit renameRequested(TakeAt(index.row()).id, value.toString());
  return true;
}

}  // namespace volemo
