// The General MIDI SoundFont every synthesizer of the program plays with.
#pragma once

#include <sys/types.h>

#include <compare>
#include <ctime>
#include <string>
#include <vector>

typedef struct _fluid_synth_t fluid_synth_t;

namespace volemo {

// What tells one file from another under the same path.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  time_t modifiedSeconds = 0;
  long modifiedNanoseconds = 0;
  auto operator<=>(const FileStamp&) const = default;
};
// The stamp of the file path leads to (links followed); size -1 when there
// is none.
FileStamp StampOf(const std::string& path);

// A SoundFont as a synthesizer loaded it. The synthesizer reads a voice's
// samples from the file when the voice is first needed (see ResidentVoices),
// at the places they had in the file it loaded.
struct LoadedSoundFont {
  std::string path;
  int id = -1;  // FluidSynth's
  FileStamp stamp;
  std::vector<std::string> passedOver;  // the candidates before it, missing then
};

// True when the file at the SoundFont's path is no longer the one loaded
// (rewritten, replaced or gone): reading voices from it would give noise or
// nothing. True too when something has appeared at a candidate passed over
// (the user's own put beside the program). Either way the SoundFont is to be
// loaded anew.
bool Replaced(const LoadedSoundFont& soundFont);

// In order: the user's own beside the program, then Debian's.
std::vector<std::string> SoundFontCandidates();

// Loads the first candidate that exists into synth. Throws PlayerError
// naming every path tried when none exists, or naming the file with
// FluidSynth's or the system's text when it exists but does not load: a
// broken file the user put there, or a folder, FIFO or device, is reported
// rather than passed over. selectVoices: every channel then selects its
// voice after a reset (with dynamic sample loading, reading its samples).
LoadedSoundFont LoadSoundFont(fluid_synth_t* synth, const std::vector<std::string>& candidates,
                              bool selectVoices = true);

}  // namespace volemo
