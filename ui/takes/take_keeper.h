// The window's side of the takes: it keeps a take when a command puts a
// phrase in the MML box (or plays or saves a hand-edited one), puts takes
// back through the settings record, and steps back and forward along the
// takes' parents. A database that cannot be used stops only the keeping:
// the status line says so once, and the window works on.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "control_values.h"
#include "part_values.h"
#include "take_store.h"

namespace volemo {

class TakeKeeper : public QObject {
  Q_OBJECT

 public:
  // Opens the database at TakesDatabasePath().
  TakeKeeper(EditableSettings& settings, EngineState& state, QObject* parent = nullptr);
  ~TakeKeeper() override;

  // Null once the database could not be opened or written.
  TakeStore* store() const { return store_.get(); }

  // The line, parts, groove, meter and form settings the window composes
  // under: takes and presets keep them, and putting one back sets them and
  // says so (partsRestored). None: the defaults are kept.
  void SetParts(PartSettings* parts) { parts_ = parts; }
  std::optional<int64_t> current() const { return current_; }

  // Puts take id back (settings, weights, both boxes) and makes it current.
  void Restore(int64_t id);
  // To the take the current one came from (with none current: the newest),
  // and forward again along the same way.
  void Back();
  void Forward();

  // Runs work on the store; false when there is none or it failed (which
  // ends the keeping, with its message once on the status line).
  template <class F>
  bool Use(F&& work) {
    if (!store_) return false;
    try {
      work(*store_);
      return true;
    } catch (const StoreError& e) {
      Fail(e);
      return false;
    }
  }

  // Sets the scale and the controls as the preset does.
  void ApplyPreset(const Preset& preset);
  // The settings as they are now, under a name.
  Preset CaptureSettings(const std::string& name) const;

  // The settings to put back at start-up, when the user asked for that; and
  // the settings to keep at the end.
  void RestoreLastSettings();
  void KeepLastSettings();

 signals:
  // The list of takes changed (a take kept, starred, renamed, deleted).
  void takesChanged();
  // What the MML box holds is now take id (kept, or equal to it).
  void kept(int64_t id);
  // A take was put back: play it when play-on-change is on.
  void restored();
  // A take, a preset or the last settings put the parts' settings back.
  void partsRestored();

 private:
  friend class TakeCommand;
  void Keep(const char* operation, uint32_t randomStateBefore);
  void PutBack(int64_t id);
  void Fail(const StoreError& e);
  PartSettings Parts() const { return parts_ ? *parts_ : PartSettings{}; }
  void RestoreParts(const PartSettings& parts);

  EditableSettings& settings_;
  EngineState& state_;
  std::unique_ptr<TakeStore> store_;
  PartSettings* parts_ = nullptr;
  std::optional<int64_t> current_;
  std::vector<int64_t> forward_;  // the takes Back left, the last one first to return to
  int depth_ = 0;                 // commands running inside one another
  uint32_t randomStateBefore_ = 0;
};

// One command that may put a phrase in the MML box. However the command
// ends (a failed play included), what the box holds then is kept as a take,
// once, by the outermost command: make-and-play keeps one take, not one for
// the play inside it. The operation can be changed while the command runs.
class TakeCommand {
 public:
  TakeCommand(TakeKeeper& keeper, const char* operation);
  ~TakeCommand();
  TakeCommand(const TakeCommand&) = delete;
  TakeCommand& operator=(const TakeCommand&) = delete;

  const char* operation;

 private:
  TakeKeeper& keeper_;
};

}  // namespace volemo
