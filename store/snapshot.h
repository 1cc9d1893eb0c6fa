// Takes and presets from and to the engine, through the settings record.
// Texts cross here between the engine's CP932 and the store's UTF-8.
#pragma once

#include <cstdint>
#include <string>

#include "control_values.h"
#include "part_values.h"
#include "take.h"

namespace volemo {

// What the engine holds now, as a take made by operation under parts; the
// random source's seed before the command is the caller's to give.
Take CaptureTake(const Settings& settings, const EngineState& state, std::string operation,
                 uint32_t randomStateBefore, const PartSettings& parts = {});

// The current settings under a name: every control but the scale list,
// which the preset holds by name, and the parts' settings.
Preset CapturePreset(const Settings& settings, const EngineState& state, std::string name,
                     const PartSettings& parts = {});

// The parts' settings a take or preset holds; a value this program cannot
// take (written by another) is left at its default.
PartSettings PartsOf(const ControlValues& parts);

// Puts settings back as a hand would: the scale by its name, then each
// control in the given order, so picking the key re-applies the scale before
// the sliders that follow are set. Controls this program does not know are
// skipped. False when the scale list has no scale of that name (the rest is
// still set).
bool RestoreSettings(EditableSettings& settings, EngineState& state, const std::string& scale,
                     const ControlValues& controls);

// RestoreSettings, then the scale weights and both boxes; returns the
// parts' settings the take was made under.
PartSettings RestoreTake(EditableSettings& settings, EngineState& state, const Take& take);

}  // namespace volemo
