/* The MML compiler library: MML text in, Standard MIDI File out.

   Conventions
   - Texts are zero-terminated CP932 byte strings owned by the caller.
   - SetErrMsgLen sets how many bytes MMLtoMIDI may write into the caller's
     message buffer, terminating zero included. It is the library's only
     state; until it is called, nothing is written to the buffer.
   - MMLtoMIDI returns non-zero only after a complete, playable file stands
     at midiPath (written to a temporary file beside it and renamed into
     place); zero when it did not write one, with a message for the user in
     the buffer. A failed call leaves an existing file at midiPath untouched.
   - MMLtoMIDIBuffer compiles into memory instead: on success it returns
     non-zero with *midi pointing at *size bytes of the file, which the
     caller gives back with FreeMIDIBuffer; on failure zero, *midi NULL and
     *size 0, with the message as for MMLtoMIDI.
   - The library never prints and keeps nothing between calls. */
#ifndef DVORLIN_H
#define DVORLIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define DVORLIN_EXPORT __attribute__((visibility("default")))

DVORLIN_EXPORT void SetErrMsgLen(int32_t length);
DVORLIN_EXPORT int32_t MMLtoMIDI(const char* mml, const char* midiPath, char* msgBuffer);
DVORLIN_EXPORT int32_t MMLtoMIDIBuffer(const char* mml, uint8_t** midi, size_t* size, char* msgBuffer);
DVORLIN_EXPORT void FreeMIDIBuffer(uint8_t* midi);

#ifdef __cplusplus
}
#endif

#endif
