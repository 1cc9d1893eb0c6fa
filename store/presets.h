// The presets that come with the program, and the rules every preset's name
// follows.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "take.h"

namespace volemo {

class TakeStore;

// Musical starting points, each setting every control but the scale's
// sliders (which follow the scale and key).
std::span<const Preset> ShippedPresets();

// The shipped presets, then the stored ones (none when store is null).
std::vector<Preset> AllPresets(const TakeStore* store);

// Throws StoreError for a name a stored preset cannot take: empty, or
// one of a shipped preset.
void CheckPresetName(const std::string& name);

}  // namespace volemo
