// The General MIDI SoundFont every synthesizer of the program plays with.
#pragma once

#include <string>
#include <vector>

typedef struct _fluid_synth_t fluid_synth_t;

namespace volemo {

// In order: the user's own beside the program, then Debian's.
std::vector<std::string> SoundFontCandidates();

// Loads the first candidate that exists into synth. Throws PlayerError
// naming every path tried when none exists, or naming the file with
// FluidSynth's text when it exists but does not load: a broken file the user
// put there is reported rather than passed over.
void LoadSoundFont(fluid_synth_t* synth, const std::vector<std::string>& candidates);

}  // namespace volemo
