#include "take_keeper.h"

#include <string>

#include "cp932.h"
#include "snapshot.h"
#include "translation.h"

namespace volemo {

TakeKeeper::TakeKeeper(EditableSettings& settings, EngineState& state, QObject* parent)
    : QObject(parent), settings_(settings), state_(state) {
  try {
    store_ = std::make_unique<TakeStore>(TakesDatabasePath());
  } catch (const StoreError& e) {
    Fail(e);
  }
}

TakeKeeper::~TakeKeeper() = default;

void TakeKeeper::Fail(const StoreError& e) {
  store_.reset();
  settings_.SetStatus(StatusText(tr("テイクを記録できません: %1").arg(TranslatedMessage(QString::fromUtf8(e.what())))));
  emit takesChanged();
}

void TakeKeeper::Keep(const char* operation, uint32_t randomStateBefore) {
  if (!store_) return;
  Take take;
  try {
    take = CaptureTake(settings_, state_, operation, randomStateBefore, Parts());
    if (take.mml.empty()) return;
  } catch (const EncodingError&) {
    // A box whose text cannot be read is the command's own failure, already
    // on its way to the error box.
    return;
  }
  take.parent = current_;
  Use([&](TakeStore& store) {
    // Played again as it was put back: nothing new.
    if (current_) {
      const std::optional<Take> shown = store.Get(*current_);
      if (shown && shown->mml == take.mml) return;
    }
    const TakeStore::Added added = store.Add(take);
    current_ = added.id;
    emit kept(added.id);
    if (!added.stored) return;
    // A new take starts a new way from here; the old one stays in the list.
    forward_.clear();
    emit takesChanged();
  });
}

void TakeKeeper::PutBack(int64_t id) {
  std::optional<Take> take;
  if (!Use([&](TakeStore& store) { take = store.Get(id); }) || !take) return;
  RestoreParts(RestoreTake(settings_, state_, *take));
  current_ = id;
  emit restored();
}

void TakeKeeper::Restore(int64_t id) {
  if (current_ == id) return;
  forward_.clear();
  PutBack(id);
}

void TakeKeeper::Back() {
  std::optional<int64_t> to;
  Use([&](TakeStore& store) {
    if (!current_) {
      const std::vector<Take> newest = store.List(false, 1);
      if (!newest.empty()) to = newest[0].id;
    } else if (const std::optional<Take> take = store.Get(*current_); take && take->parent) {
      to = take->parent;
    }
  });
  if (!to) return;
  if (current_) forward_.push_back(*current_);
  PutBack(*to);
}

void TakeKeeper::Forward() {
  if (forward_.empty()) return;
  const int64_t to = forward_.back();
  forward_.pop_back();
  PutBack(to);
}

void TakeKeeper::RestoreParts(const PartSettings& parts) {
  if (!parts_) return;
  *parts_ = parts;
  emit partsRestored();
}

void TakeKeeper::ApplyPreset(const Preset& preset) {
  RestoreSettings(settings_, state_, preset.scale, preset.controls);
  RestoreParts(PartsOf(preset.parts));
}

Preset TakeKeeper::CaptureSettings(const std::string& name) const {
  return CapturePreset(settings_, state_, name, Parts());
}

void TakeKeeper::RestoreLastSettings() {
  std::optional<Preset> last;
  Use([&](TakeStore& store) {
    if (store.RestoreAtStart()) last = store.LastSettings();
  });
  if (last) ApplyPreset(*last);
}

void TakeKeeper::KeepLastSettings() {
  Use([&](TakeStore& store) { store.SetLastSettings(CapturePreset(settings_, state_, "", Parts())); });
}

TakeCommand::TakeCommand(TakeKeeper& keeper, const char* operation) : operation(operation), keeper_(keeper) {
  if (keeper_.depth_++ == 0) keeper_.randomStateBefore_ = keeper_.state_.random.seed();
}

// Nothing here throws: the store's failures end in Fail, the box's in Keep,
// and the slots of the signals run through the error boundary.
TakeCommand::~TakeCommand() {
  if (--keeper_.depth_ > 0) return;
  keeper_.Keep(operation, keeper_.randomStateBefore_);
}

}  // namespace volemo
