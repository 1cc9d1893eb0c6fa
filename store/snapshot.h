// Takes and presets from and to the engine, through the settings record.
// Texts cross here between the engine's CP932 and the store's UTF-8.
#pragma once

#include <cstdint>
#include <string>

#include "control_values.h"
#include "take.h"

namespace volemo {

// What the engine holds now, as a take made by operation; the random
// source's seed before the command is the caller's to give.
Take CaptureTake(const Settings& settings, const EngineState& state, std::string operation,
                 uint32_t randomStateBefore);

// The current settings under a name: every control but the scale list,
// which the preset holds by name.
Preset CapturePreset(const Settings& settings, const EngineState& state, std::string name);

// Puts settings back as a hand would: the scale by its name, then each
// control in the given order, so picking the key re-applies the scale before
// the sliders that follow are set. Controls this program does not know are
// skipped. False when the scale list has no scale of that name (the rest is
// still set).
bool RestoreSettings(EditableSettings& settings, EngineState& state, const std::string& scale,
                     const ControlValues& controls);

// RestoreSettings, then the scale weights and both boxes.
void RestoreTake(EditableSettings& settings, EngineState& state, const Take& take);

}  // namespace volemo
