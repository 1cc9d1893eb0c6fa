// The subcommands of volemo-cli. Each reads its own options from args
// (the words after the subcommand's name) and returns the exit status;
// bad usage throws UsageError. A new subcommand is one more function here,
// its own file, and one more line in main.cpp's table.
#pragma once

#include <string>

#include "arguments.h"
#include "midi_file.h"
#include "settings.h"

namespace volemo::cli {

int RunPhrase(ArgumentReader& args);
int RunPattern(ArgumentReader& args);
int RunCompile(ArgumentReader& args);
int RunRender(ArgumentReader& args);
int RunBatch(ArgumentReader& args);
int RunTakes(ArgumentReader& args);
int RunPresets(ArgumentReader& args);
int RunPorts(ArgumentReader& args);
int RunScales(ArgumentReader& args);
int RunControls(ArgumentReader& args);
int RunLearn(ArgumentReader& args);

// Compiles mml into a MIDI file at midPath; on failure the compiler's
// message goes to stderr and the result is false.
bool CompileToFile(const std::string& mml, const std::string& midPath);

// Plays midi on the built-in synthesizer and returns when it has ended.
// Throws PlayerError when it cannot play or the sound output fails while
// it plays.
void PlayToTheEnd(const MidiFile& midi);
// Plays midi into the port named (see FindMidiPort) and returns at its
// end, its notes released; throws PlayerError (the port went away too).
// followTransport: on the JACK transport's timeline; clock: with MIDI
// clock (see PortPlayer).
void PlayIntoPort(const MidiFile& midi, const std::string& port, bool followTransport, bool clock);

}  // namespace volemo::cli
