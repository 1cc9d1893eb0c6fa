/* The one interface between the program and its playback module,
   libvolemo-playback.so: FluidSynth and the many libraries it brings in
   (sound servers, SDL, X11...) are loaded only when something first plays
   or renders, so the window and the command line start without them.

   Conventions
   - The program opens the module with dlopen and calls volemo_playback()
     for this table; it checks the version before any other call.
   - Texts are zero-terminated; paths are as the system takes them.
   - A function that can fail returns NULL when it succeeded, otherwise its
     message (UTF-8, for the user), valid until the calling thread's next
     call into the module.
   - A player or renderer is used by one thread at a time. */
#ifndef VOLEMO_PLAYBACK_MODULE_INTERFACE_H
#define VOLEMO_PLAYBACK_MODULE_INTERFACE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Changes whenever the table or a function's meaning changes. */
#define VOLEMO_PLAYBACK_VERSION 6

typedef struct VolemoPlayer VolemoPlayer;     /* a live player: see SynthPlayer */
typedef struct VolemoRenderer VolemoRenderer; /* an offline synthesizer */
typedef struct VolemoPort VolemoPort;         /* output to a MIDI port: see PortOutput */

/* A channel message and when it sounds, from the start of the phrase. */
typedef struct VolemoMidiEvent {
  double seconds;
  uint8_t size; /* 2 or 3; 1 for MIDI clock's real-time messages */
  uint8_t bytes[3];
} VolemoMidiEvent;

/* A channel message at a tick (480 a quarter note) of a phrase's pass; a
   note-on with the ticks it sounds. */
typedef struct VolemoTickEvent {
  uint32_t tick;
  uint32_t length; /* a note-on's; 0 for other messages */
  uint8_t size;    /* 2 or 3 */
  uint8_t bytes[3];
} VolemoTickEvent;

typedef struct VolemoPlayback {
  uint32_t version;

  /* The live player on the program's one real-time synthesizer; the first
     starts that synthesizer's SoundFont and sound output in the background. */
  const char* (*newPlayer)(VolemoPlayer** player);
  void (*deletePlayer)(VolemoPlayer* player);
  /* A MIDI file's bytes, copied: the program compiles into memory, and
     reads a file itself where one is named. */
  const char* (*open)(VolemoPlayer* player, const uint8_t* midi, size_t size);
  const char* (*play)(VolemoPlayer* player, int fromTick);
  const char* (*stop)(VolemoPlayer* player);
  const char* (*close)(VolemoPlayer* player);
  int (*isOpen)(const VolemoPlayer* player);
  int (*isPlaying)(const VolemoPlayer* player);
  /* The sound output's failure since play, if any. */
  const char* (*checkOutput)(const VolemoPlayer* player);
  int (*positionTick)(const VolemoPlayer* player);
  /* Nonzero: plays start over at the file's end until stopped. */
  const char* (*setLoop)(VolemoPlayer* player, int loop);

  /* Offline rendering, as fast as the processor allows, to a sound file:
     WAV, FLAC or Ogg Vorbis by outPath's extension (.wav, .flac, .ogg).
     Renderers render side by side, each on its own synthesizer with
     threads workers; a repeatable one sounds the same whatever it rendered
     before (see SynthRenderer). render takes a MIDI file's bytes, name being
     the file's for messages; it asks stop(context, seconds), when stop is
     not NULL, after each block of sound with the seconds rendered so far,
     and gives up when it returns nonzero. */
  const char* (*newRenderer)(int threads, int repeatable, VolemoRenderer** renderer);
  void (*deleteRenderer)(VolemoRenderer* renderer);
  const char* (*render)(VolemoRenderer* renderer, const uint8_t* midi, size_t size, const char* name,
                        const char* outPath, int (*stop)(void* context, double secondsRendered), void* context);

  /* MIDI ports (see port_output.h): listPorts gives their names, one per
     line, in a text valid until the thread's next call. playPort copies
     the events; lengthSeconds is the phrase's, where a loop starts over.
     portFailure is NULL while the port works. */
  const char* (*listPorts)(const char** names);
  const char* (*openPort)(const char* name, VolemoPort** port);
  void (*closePort)(VolemoPort* port);
  const char* (*playPort)(VolemoPort* port, const VolemoMidiEvent* events, size_t count, double lengthSeconds,
                          int loop);
  void (*stopPort)(VolemoPort* port);
  void (*setPortLoop)(VolemoPort* port, int loop);
  int (*portPlaying)(const VolemoPort* port);
  double (*portPosition)(const VolemoPort* port);
  const char* (*portFailure)(const VolemoPort* port);
  /* The phrase on the JACK transport's timeline (see PortOutput::Follow):
     passTicks long, at beatsPerMinute while no timebase master tells the
     tempo. A port that is not JACK's refuses. */
  const char* (*followPort)(VolemoPort* port, const VolemoTickEvent* events, size_t count, int64_t passTicks,
                            double beatsPerMinute, int loop);
} VolemoPlayback;

__attribute__((visibility("default"))) const VolemoPlayback* volemo_playback(void);

#ifdef __cplusplus
}
#endif

#endif
