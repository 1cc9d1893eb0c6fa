// The extensions the plugin offers its host.
#pragma once

#include <lv2/state/state.h>
#include <lv2/worker/worker.h>

namespace volemo::lv2 {

// Composing, and freeing what the audio thread let go.
extern const LV2_Worker_Interface kWorkerInterface;
// The phrase itself: its MML, pass length, seed, re-rolls and settings.
extern const LV2_State_Interface kStateInterface;

}  // namespace volemo::lv2
