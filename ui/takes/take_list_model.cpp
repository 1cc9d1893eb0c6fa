#include "take_list_model.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <utility>

#include "cp932.h"
#include "dvorlin/compile.h"
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

// The commands that make a new phrase share one word: what the list tells
// is how a phrase came about, not which key made it.
const std::pair<const char*, const char*> kOperationWords[] = {
    {"make", QT_TRANSLATE_NOOP("volemo::TakeListModel", "新しいフレーズ")},
    {"make-and-play", QT_TRANSLATE_NOOP("volemo::TakeListModel", "新しいフレーズ")},
    {"random-make-and-play", QT_TRANSLATE_NOOP("volemo::TakeListModel", "新しいフレーズ")},
    {"play", QT_TRANSLATE_NOOP("volemo::TakeListModel", "新しいフレーズ")},
    {"preset", QT_TRANSLATE_NOOP("volemo::TakeListModel", "プリセット")},
    {"reroll", QT_TRANSLATE_NOOP("volemo::TakeListModel", "作り直し")},
    {"reroll-rhythm", QT_TRANSLATE_NOOP("volemo::TakeListModel", "リズムの作り直し")},
    {"mutate", QT_TRANSLATE_NOOP("volemo::TakeListModel", "変異")},
    {"section-reroll", QT_TRANSLATE_NOOP("volemo::TakeListModel", "セクションの作り直し")},
    {"section-copy", QT_TRANSLATE_NOOP("volemo::TakeListModel", "セクションのコピー")},
    {"edit", QT_TRANSLATE_NOOP("volemo::TakeListModel", "手で編集")},
    {"open", QT_TRANSLATE_NOOP("volemo::TakeListModel", "開いたファイル")},
    {"save", QT_TRANSLATE_NOOP("volemo::TakeListModel", "保存")},
    {"learn", QT_TRANSLATE_NOOP("volemo::TakeListModel", "学習")},
};

QString VoiceText(int voice) {
  return voice >= 1 && voice <= 128 ? QStringLiteral("%1 %2").arg(voice).arg(QString::fromLatin1(kVoiceNames[voice - 1]))
                                    : QString::number(voice);
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
    case TakeListModel::kOperation:
      return TakeListModel::OperationText(take.operation);
    case TakeListModel::kScale: {
      if (TakeListModel::ScaleName(take).isEmpty()) return QStringLiteral("—");
      bool ok = false;
      const int key = Control(take, "cmbKey").toInt(&ok);
      const QString keyName = ok && key >= 0 && key < 12 ? QString::fromLatin1(kKeyNames[key]) : QString();
      return ShownScaleName(QString::fromStdString(take.scale)) + u' ' + keyName;
    }
    case TakeListModel::kPattern:
      return QString::fromStdString(take.pattern).simplified();
  }
  return {};
}

}  // namespace

QString TakeListModel::OperationText(const std::string& operation) {
  for (const auto& [stored, words] : kOperationWords)
    if (operation == stored) return tr(words);
  return QString::fromStdString(operation);
}

QString TakeListModel::ScaleName(const Take& take) {
  return take.operation == "open" ? QString() : QString::fromStdString(take.scale);
}

const TakeListModel::Sounding& TakeListModel::SoundingOf(const Take& take) const {
  if (const auto it = sounding_.find(take.id); it != sounding_.end()) return it->second;
  // What the compiler performs, as far as it gets: a text with a mistake
  // still shows the tempo and voice it set before it.
  const dvorlin::Song song = dvorlin::Perform(Cp932FromUtf8Lossy(take.mml)).song;
  Sounding s;
  if (!song.tempos.empty()) s.tempo = QString::number(std::lround(60e6 / song.tempos.front().microsPerQuarter));
  s.voice = song.programs.empty() ? QStringLiteral("—") : VoiceText(song.programs.front().program + 1);
  return sounding_.emplace(take.id, std::move(s)).first->second;
}

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
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    if (index.column() == kTempo) return SoundingOf(take).tempo;
    if (index.column() == kVoice) return SoundingOf(take).voice;
    return Cell(take, index.column());
  }
  if (role == Qt::ToolTipRole && index.column() == kPattern) return QString::fromStdString(take.pattern);
  if (role == Qt::TextAlignmentRole && index.column() == kStar) return int(Qt::AlignCenter);
  return {};
}

QVariant TakeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kTitles[kColumnCount] = {
      QT_TR_NOOP("日時"), QT_TR_NOOP("★"), QT_TR_NOOP("名前"), QT_TR_NOOP("操作"), QT_TR_NOOP("スケールとキー"),
      QT_TR_NOOP("テンポ"), QT_TR_NOOP("音色"), QT_TR_NOOP("パターン")};
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
