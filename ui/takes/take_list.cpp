#include "take_list.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "cp932.h"
#include "error_boundary.h"
#include "gui_benri.h"
#include "phrase_export.h"
#include "presets.h"
#include "take_filter.h"
#include "take_keeper.h"
#include "translation.h"

namespace volemo {
namespace {

QPushButton* Button(const char* name, const QString& text) {
  auto* b = Named(new QPushButton(text), name);
  b->setAutoDefault(false);
  return b;
}

// A name asked for in a small modal box; nullopt when cancelled.
std::optional<QString> AskName(QWidget* parent, const QString& label, const QString& initial) {
  QInputDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("presetNameDialog"));
  dialog.setWindowTitle(ApplicationTitle());
  dialog.setLabelText(label);
  dialog.setTextValue(initial);
  if (RunModal(dialog) != QDialog::Accepted || dialog.textValue().trimmed().isEmpty()) return std::nullopt;
  return dialog.textValue().trimmed();
}

// A file name from the take's number and name, without the characters a
// file name cannot hold.
QString ExportName(const Take& take, const QString& extension) {
  QString name = QString::number(take.id);
  if (!take.name.empty()) name += u'-' + QString::fromStdString(take.name);
  name.replace(u'/', u'_');
  return name + u'.' + extension;
}

// The choices are those of the listed takes, sorted; the one chosen stays
// chosen while a listed take has it.
void FillFilter(QComboBox& filter, const QString& all, QStringList choices) {
  choices.removeAll(QString());
  choices.removeDuplicates();
  choices.sort();
  const QString chosen = filter.currentData().toString();
  filter.clear();
  filter.addItem(all, QString());
  for (const QString& choice : choices) filter.addItem(choice, choice);
  filter.setCurrentIndex(std::max(filter.findData(chosen), 0));
}

}  // namespace

TakeList::TakeList(TakeKeeper& keeper, QWidget* parent) : QWidget(parent), keeper_(keeper) {
  setObjectName(QStringLiteral("takeList"));
  proxy_ = new TakeFilter(this);
  proxy_->setSourceModel(&model_);
  view_ = Named(new QTableView, "takeTable");
  view_->setModel(proxy_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  view_->viewport()->installEventFilter(this);
  // Each column as wide as its title and a usual cell; the pattern takes
  // what the window has left.
  QHeaderView* header = view_->horizontalHeader();
  header->setStretchLastSection(true);
  for (const auto& [column, sample] :
       {std::pair{TakeListModel::kTime, "12/31 23:59:59"}, {TakeListModel::kStar, "★"},
        {TakeListModel::kName, "名前の例の名前"}, {TakeListModel::kOperation, "新しいフレーズ"},
        {TakeListModel::kScale, "琉球音階 C#"}, {TakeListModel::kTempo, "300"},
        {TakeListModel::kVoice, "107 Shamisen"}})
    view_->setColumnWidth(column, std::max(header->sectionSizeHint(column),
                                           view_->fontMetrics().horizontalAdvance(QString::fromUtf8(sample)) + 16));

  auto* starredOnly = Named(new QCheckBox(tr("★だけ表示")), "chkStarredOnly");
  scales_ = Named(new QComboBox, "cmbTakeScale");
  operations_ = Named(new QComboBox, "cmbTakeOperation");
  for (QComboBox* filter : {scales_, operations_}) filter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  auto* star = Button("btnStarTake", tr("★"));
  star->setToolTip(tr("星を付ける/外す (Ctrl+D)"));
  auto* remove = Button("btnDeleteTake", tr("削除"));
  auto* exportTakes = Button("btnExportTakes", tr("書き出し…"));
  // How many takes without a star are kept (the newest); starred ones stay.
  auto* keep = Named(new QSpinBox, "spnKeepTakes");
  keep->setRange(1, 100000);
  keep->setValue(TakeStore::kDefaultKeepUnstarred);
  keep->setToolTip(tr("★のないテイクを新しい順にいくつ残すか"));
  keeper_.Use([&](TakeStore& store) { keep->setValue(store.KeepUnstarred()); });
  auto* top = new QHBoxLayout;
  top->addWidget(starredOnly);
  top->addWidget(scales_);
  top->addWidget(operations_);
  top->addStretch(1);
  top->addWidget(new QLabel(tr("残す数")));
  top->addWidget(keep);
  top->addSpacing(12);
  for (QWidget* w : std::initializer_list<QWidget*>{star, remove, exportTakes}) top->addWidget(w);

  presets_ = Named(new QComboBox, "cmbPreset");
  presets_->setMinimumWidth(120);
  auto* load = Button("btnPresetLoad", tr("読み込む"));
  auto* save = Button("btnPresetSave", tr("保存…"));
  auto* rename = Button("btnPresetRename", tr("名前の変更…"));
  auto* removePreset = Button("btnPresetDelete", tr("削除"));
  auto* restoreAtStart = Named(new QCheckBox(tr("起動時に前回の設定を使う")), "chkRestoreAtStart");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(tr("プリセット")));
  bottom->addWidget(presets_, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{load, save, rename, removePreset}) bottom->addWidget(w);
  bottom->addSpacing(12);
  bottom->addWidget(restoreAtStart);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(top);
  column->addWidget(view_, 1);
  column->addLayout(bottom);

  // Star and delete from the keyboard while the list has the focus.
  auto* starKey = new QAction(this);
  starKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  auto* deleteKey = new QAction(this);
  deleteKey->setShortcut(QKeySequence::Delete);
  for (QAction* a : {starKey, deleteKey}) {
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view_->addAction(a);
  }

  connect(starredOnly, &QCheckBox::toggled, this,
          [this](bool on) { Refilter([&] { proxy_->SetStarredOnly(on); }); });
  connect(scales_, &QComboBox::currentIndexChanged, this,
          [this] { Refilter([this] { proxy_->SetScale(scales_->currentData().toString()); }); });
  connect(operations_, &QComboBox::currentIndexChanged, this,
          [this] { Refilter([this] { proxy_->SetOperation(operations_->currentData().toString()); }); });
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, Handler([this] { TakeSelected(); }));
  connect(star, &QPushButton::clicked, this, Handler([this] { ToggleStar(); }));
  connect(starKey, &QAction::triggered, this, Handler([this] { ToggleStar(); }));
  connect(remove, &QPushButton::clicked, this, Handler([this] { DeleteSelected(); }));
  connect(deleteKey, &QAction::triggered, this, Handler([this] { DeleteSelected(); }));
  connect(exportTakes, &QPushButton::clicked, this, Handler([this] { ExportSelected(); }));
  connect(&model_, &TakeListModel::renameRequested, this, [this](int64_t id, const QString& name) {
    keeper_.Use([&](TakeStore& store) { store.Rename(id, name.trimmed().toStdString()); });
    QMetaObject::invokeMethod(this, [this] { Reload(); }, Qt::QueuedConnection);  // after the editor closes
  });
  connect(load, &QPushButton::clicked, this, Handler([this] { LoadPreset(); }));
  connect(save, &QPushButton::clicked, this, Handler([this] { SavePreset(); }));
  connect(rename, &QPushButton::clicked, this, Handler([this] { RenamePreset(); }));
  connect(removePreset, &QPushButton::clicked, this, Handler([this] { DeletePreset(); }));
  keeper_.Use([&](TakeStore& store) { restoreAtStart->setChecked(store.RestoreAtStart()); });
  connect(restoreAtStart, &QCheckBox::toggled, this,
          [this](bool on) { keeper_.Use([&](TakeStore& store) { store.SetRestoreAtStart(on); }); });
  // Takes beyond the new number go with the next one kept.
  connect(keep, &QSpinBox::valueChanged, this,
          [this](int count) { keeper_.Use([&](TakeStore& store) { store.SetKeepUnstarred(count); }); });
  connect(&keeper_, &TakeKeeper::takesChanged, this, Handler([this] { Reload(); }));
  connect(&keeper_, &TakeKeeper::restored, this, Handler([this] { ShowCurrent(); }));

  Reload();
  ReloadPresets();
}

void TakeList::Reload() {
  std::vector<Take> takes;
  keeper_.Use([&](TakeStore& store) { takes = store.List(); });
  setEnabled(keeper_.store() != nullptr);
  QStringList scales, operations;
  for (const Take& take : takes) {
    scales << TakeListModel::ScaleName(take);
    operations << TakeListModel::OperationText(take.operation);
  }
  Refilter([&] {
    FillFilter(*scales_, tr("全てのスケール"), scales);
    FillFilter(*operations_, tr("全ての操作"), operations);
    model_.SetTakes(std::move(takes));
  });
}

// The rows shown change: the current row that goes is not a take chosen.
void TakeList::Refilter(const std::function<void()>& change) {
  {
    const QScopedValueRollback showing(showing_, true);
    change();
  }
  ShowCurrent();
}

// A click on a star toggles that take's star alone: the row is not
// selected, so the take is neither put back nor played.
bool TakeList::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != view_->viewport() ||
      (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick))
    return QWidget::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QModelIndex index = proxy_->mapToSource(view_->indexAt(mouse->position().toPoint()));
  if (!index.isValid() || index.column() != TakeListModel::kStar || mouse->button() != Qt::LeftButton ||
      mouse->modifiers() != Qt::NoModifier)
    return QWidget::eventFilter(watched, event);
  if (type == QEvent::MouseButtonPress) {
    RunHandler([&] {
      const Take& take = model_.TakeAt(index.row());
      keeper_.Use([&](TakeStore& store) { store.SetStarred(take.id, !take.starred); });
      Reload();
    });
  }
  return true;
}

// Selects the current take's row without putting it back again.
void TakeList::ShowCurrent() {
  const int row = keeper_.current() ? model_.RowOf(*keeper_.current()) : -1;
  const QModelIndex index = proxy_->mapFromSource(model_.index(row, TakeListModel::kTime));
  showing_ = true;
  if (index.isValid()) {
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
  } else {
    view_->selectionModel()->clearSelection();
  }
  showing_ = false;
}

void TakeList::TakeSelected() {
  if (showing_) return;
  const QModelIndex current = proxy_->mapToSource(view_->selectionModel()->currentIndex());
  if (current.isValid()) keeper_.Restore(model_.TakeAt(current.row()).id);
}

std::vector<int64_t> TakeList::SelectedIds() const {
  std::vector<int64_t> ids;
  for (const QModelIndex& row : view_->selectionModel()->selectedRows())
    ids.push_back(model_.TakeAt(proxy_->mapToSource(row).row()).id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

void TakeList::ToggleStar() {
  const std::vector<int64_t> ids = SelectedIds();
  if (ids.empty()) return;
  // One star for all: on unless every selected take has one already.
  const bool star = std::any_of(ids.begin(), ids.end(), [this](int64_t id) { return !model_.TakeAt(model_.RowOf(id)).starred; });
  keeper_.Use([&](TakeStore& store) {
    for (const int64_t id : ids) store.SetStarred(id, star);
  });
  Reload();
}

void TakeList::DeleteSelected() {
  keeper_.Use([&](TakeStore& store) {
    for (const int64_t id : SelectedIds()) store.Remove(id);
  });
  Reload();
}

void TakeList::ExportSelected() {
  const std::vector<int64_t> ids = SelectedIds();
  if (ids.empty()) return;
  const Take& first = model_.TakeAt(model_.RowOf(ids.front()));
  // One take: the file itself. Several: the folder and the kind of the
  // file chosen, one file each named from its number and name.
  SaveRequest request;
  request.fileName = ids.size() == 1 ? ExportName(first, QStringLiteral("mid")) : tr("テイク.mid");
  request.filters = {QStringLiteral("MIDI(*.mid)"), QStringLiteral("MML(*.mml)"), QStringLiteral("WAV(*.wav)"),
                     QStringLiteral("FLAC(*.flac)"), QStringLiteral("Ogg Vorbis(*.ogg)")};
  request.defaultSuffix = QStringLiteral("mid");
  const std::optional<SaveAnswer> answer = AskSaveFileName(window(), request);
  if (!answer) return;
  const QFileInfo chosen(answer->fileName);
  if (!CanExportTo(chosen.filePath().toStdString()))
    throw WindowError(tr("書き出せるのは .mid, .mml, .wav, .flac, .ogg のファイルです: %1").arg(chosen.fileName()).toStdString());
  for (const int64_t id : ids) {
    const Take& take = model_.TakeAt(model_.RowOf(id));
    const QString path = ids.size() == 1 ? chosen.filePath() : chosen.dir().filePath(ExportName(take, chosen.suffix()));
    ExportPhrase(Cp932FromUtf8(take.mml), path.toStdString());
  }
}

void TakeList::ReloadPresets() {
  // Each shows in the user's language and keeps its own name beside.
  const QVariant chosen = presets_->currentData();
  presets_->clear();
  for (const Preset& p : AllPresets(keeper_.store()))
    presets_->addItem(ShownPresetName(QString::fromStdString(p.name)), QString::fromStdString(p.name));
  presets_->setCurrentIndex(std::max(presets_->findData(chosen), 0));
}

std::optional<Preset> TakeList::ChosenPreset() const {
  const std::string name = presets_->currentData().toString().toStdString();
  for (Preset& p : AllPresets(keeper_.store()))
    if (p.name == name) return std::move(p);
  return std::nullopt;
}

void TakeList::LoadPreset() {
  const std::optional<Preset> preset = ChosenPreset();
  if (!preset) return;
  keeper_.ApplyPreset(*preset);
  emit presetLoaded();
}

// A stored preset cannot take the name of a shipped one.
void TakeList::CheckNewName(const QString& name) const {
  for (const Preset& p : ShippedPresets())
    if (p.name == name.toStdString()) throw WindowError(tr("「%1」は付属のプリセットの名前です。").arg(name).toStdString());
}

void TakeList::SavePreset() {
  const std::optional<QString> name = AskName(window(), tr("プリセットの名前"), {});
  if (!name) return;
  CheckNewName(*name);
  const Preset preset = keeper_.CaptureSettings(name->toStdString());
  keeper_.Use([&](TakeStore& store) { store.SavePreset(preset); });
  ReloadPresets();
  presets_->setCurrentIndex(presets_->findData(*name));
}

void TakeList::RenamePreset() {
  const std::optional<Preset> preset = ChosenPreset();
  if (!preset) return;
  if (preset->shipped) throw WindowError(tr("付属のプリセット「%1」の名前は変えられません。").arg(ShownPresetName(QString::fromStdString(preset->name))).toStdString());
  const std::optional<QString> to = AskName(window(), tr("新しい名前"), QString::fromStdString(preset->name));
  if (!to) return;
  CheckNewName(*to);
  for (const Preset& p : AllPresets(keeper_.store()))
    if (p.name == to->toStdString() && p.name != preset->name)
      throw WindowError(tr("「%1」という名前のプリセットがもうあります。").arg(*to).toStdString());
  keeper_.Use([&](TakeStore& store) { store.RenamePreset(preset->name, to->toStdString()); });
  ReloadPresets();
  presets_->setCurrentIndex(presets_->findData(*to));
}

void TakeList::DeletePreset() {
  const std::optional<Preset> preset = ChosenPreset();
  if (!preset) return;
  if (preset->shipped) throw WindowError(tr("付属のプリセット「%1」は削除できません。").arg(ShownPresetName(QString::fromStdString(preset->name))).toStdString());
  keeper_.Use([&](TakeStore& store) { store.RemovePreset(preset->name); });
  ReloadPresets();
}

}  // namespace volemo
