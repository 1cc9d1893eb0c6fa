// The window's play: the phrase compiled, kept in the scratch file temp.mid
// and played; and its stop.
#pragma once

#include <string>
#include <vector>

#include "sound_player.h"
#include "settings.h"

namespace volemo {

// ProgramDir + "temp.mid". When the program's folder is not writable (an
// installed copy) every compile there would fail, so the scratch file moves
// to $XDG_CACHE_HOME/volemo/ (default ~/.cache/volemo/), made when missing.
std::string TempMidPath();
// The same choice for a given program folder (ending with "/").
std::string TempMidPathIn(const std::string& programDir);

// Closes the player (the last phrase stops), compiles mml and, on success,
// writes it to TempMidPath(), opens and plays it and says so on the status
// line; on failure the status line shows the compiler's message (or why
// temp.mid could not be written) and the player stays closed. Errors of the
// player propagate (PlayerError) and the status line keeps its text: a
// phrase that cannot sound is never announced as playing.
// fromTick starts the sound later in the phrase (see SynthPlayer::Play).
void PlayMml(Settings& settings, SoundPlayer& player, const std::string& mml, int fromTick = 0);

// The parts (by their track names) PlayMml leaves out of what it plays, and
// so of temp.mid, from now on: the window's mute and solo.
void SetSilentParts(std::vector<std::string> names);

// Whether the player plays what PlayMml last opened in it, not a MIDI file
// or a single note opened since.
bool PlaysMml(const SoundPlayer& player);

// Stops and closes the player, but only while it plays: a phrase that has
// ended stays open.
void StopPlayback(SoundPlayer& player);


}  // namespace volemo
