#include "groove_options.h"

namespace volemo::cli {

const char kGrooveOptionsHelp[] = R"(Groove, meter and form (each left out: the phrase as without it):
  --euclid K,N[,R]      draw the pattern as K onsets spread evenly over N steps (1 to 64),
                        rotated R steps later; each onset's symbol drawn by the weights,
                        the other steps rests
  --step-probability P  each sounding step sounds with P percent (0 to 100), else rests
  --swing S             of each pair of grid steps the first lasts S percent (50 to 75)
  --swing-grid G        the swing's grid: 8 or 16 (default 16)
  --humanize-time N     move each step's start up to N ticks either way (0 to 240)
  --humanize-velocity N move each step's velocity up to N either way (0 to 127)
  --accent B[,A]        raise the first step of each beat by B and of each bar by A
                        (default A = B), within 1 to 127
  --meter N/D           2/4, 3/4, 4/4, 5/4, 6/8, 7/8, 12/8, ...: the file's time signature;
                        the phrase fills whole bars
  --beats 2+2+3         the meter's beats in its units (default: 6/8 and 12/8 in threes,
                        7/8 as 2+2+3, quarter meters in quarters)
  --form AA'BA'         sections in order: a new letter a new phrase, a repeated one the
                        same notes, a primed one the letter's notes with some redrawn
  --section-bars B      bars of each section (1 to 64; default 2)
  --variation K         notes redrawn in a primed section (0 to 999; default 0)
)";

}  // namespace volemo::cli
