/* dvorlin.h as a C program sees it. Built as C, so the header must be
   plain C; run first thing in its own process, so SetErrMsgLen has not been
   called yet. Returns 0 when every promise held, else the number of the
   first broken one. */
#include <string.h>

#include "dvorlin.h"

int CheckDvorlinFromC(const char* midiPath) {
  char buffer[32];
  memset(buffer, '#', sizeof buffer);
  /* Until the length is set nothing is written, not even on failure. */
  if (MMLtoMIDI("x", midiPath, buffer) != 0) return 1;
  if (buffer[0] != '#') return 2;

  SetErrMsgLen(8);
  if (MMLtoMIDI("x", midiPath, buffer) != 0) return 3;
  if (memchr(buffer, '\0', 8) == NULL || buffer[8] != '#') return 4;

  if (MMLtoMIDI("c", midiPath, buffer) == 0) return 5;
  if (buffer[0] != '\0') return 6;
  return 0;
}
