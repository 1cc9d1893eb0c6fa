#include "presets.h"

#include <algorithm>
#include <map>

#include "controls.h"
#include "take_store.h"
#include "translatable.h"

namespace volemo {
namespace {

// Every control at its start value, then the preset's own values. The
// scale list and the scale sliders are left out: the preset names its
// scale, and the key and scale give the weights.
Preset Shipped(const char* name, const char* scale, std::map<std::string, std::string> values) {
  Preset preset{name, scale, {}, true, {}};
  for (const ControlInfo& c : AllControls()) {
    const std::string control(c.name);
    if (control == "cmbScale" || control.starts_with("src")) continue;
    const auto own = values.find(control);
    preset.controls.emplace_back(control, own != values.end() ? own->second : std::to_string(c.initial));
  }
  return preset;
}

const std::vector<Preset>& Table() {
  // Voices are program numbers (spnVoice) and their list entries (cmbVoice,
  // one less); weights of the rhythm symbols N r ^ m d W B are scrP0..6.
  static const std::vector<Preset> table = {
      // A breathy line over a five-note scale: no chords, few shorts, long ties.
      Shipped(QT_TRANSLATE_NOOP("Preset", "ペンタトニックの笛"), "Major pentatonic",
              {{"cmbKey", "2"}, {"spnVoice", "74"}, {"cmbVoice", "73"}, {"spnTempo", "96"},
               {"spnOct1", "5"}, {"cmbOct1", "2"}, {"spnOct2", "6"}, {"cmbOct2", "2"},
               {"spnL", "8"}, {"spnCount", "16"}, {"scrP1", "20"}, {"scrP2", "70"}, {"scrP3", "0"},
               {"scrP4", "5"}, {"scrP5", "0"}, {"scrP6", "0"}, {"scrMuteRate", "0"}, {"spnV", "100"}}),
      // Low, short and muted now and then, in E.
      Shipped(QT_TRANSLATE_NOOP("Preset", "ブルースのベース"), "Blues",
              {{"cmbKey", "4"}, {"spnVoice", "34"}, {"cmbVoice", "33"}, {"spnTempo", "100"},
               {"spnOct1", "2"}, {"cmbOct1", "4"}, {"spnOct2", "3"}, {"cmbOct2", "4"},
               {"spnL", "8"}, {"spnCount", "16"}, {"scrP1", "30"}, {"scrP2", "40"}, {"scrP3", "25"},
               {"scrP4", "0"}, {"scrP5", "0"}, {"scrP6", "0"}, {"scrGateN", "85"}}),
      // The Okinawan scale on the shamisen, quick and plucked.
      Shipped(QT_TRANSLATE_NOOP("Preset", "琉球音階の三線"), "琉球音階",
              {{"spnVoice", "107"}, {"cmbVoice", "106"}, {"spnTempo", "120"}, {"scrP1", "15"},
               {"scrP2", "30"}, {"scrP3", "10"}, {"scrP4", "10"}, {"scrP5", "5"}, {"scrP6", "0"}}),
      // The miyako-bushi scale on the koto, slow, with doubles and a bend now and then.
      Shipped(QT_TRANSLATE_NOOP("Preset", "都節音階の箏"), "都節音階",
              {{"cmbKey", "2"}, {"spnVoice", "108"}, {"cmbVoice", "107"}, {"spnTempo", "72"},
               {"spnOct1", "4"}, {"cmbOct1", "2"}, {"spnOct2", "6"}, {"cmbOct2", "2"},
               {"scrP1", "25"}, {"scrP2", "60"}, {"scrP3", "5"}, {"scrP4", "15"}, {"scrP5", "10"},
               {"scrP6", "5"}}),
  };
  return table;
}

}  // namespace

std::span<const Preset> ShippedPresets() { return Table(); }

std::vector<Preset> AllPresets(const TakeStore* store) {
  std::vector<Preset> all(Table().begin(), Table().end());
  if (store) {
    std::vector<Preset> stored = store->Presets();
    all.insert(all.end(), stored.begin(), stored.end());
  }
  return all;
}

void CheckPresetName(const std::string& name) {
  if (name.empty()) throw StoreError("a preset needs a name");
  if (std::any_of(Table().begin(), Table().end(), [&](const Preset& p) { return p.name == name; }))
    throw StoreError("\"" + name + "\" is the name of a preset that comes with Volemo");
}

}  // namespace volemo
