#include <iostream>

#include "commands.h"
#include "pattern_source.h"
#include "session.h"

namespace volemo::cli {

int RunPattern(ArgumentReader& args) {
  SessionOptions options;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << "Usage: volemo-cli pattern [OPTIONS]\n"
                   "Draws a random rhythm pattern and writes it to standard output.\n\n"
                << kSessionOptionsHelp << "Of the groove options, --euclid K,N[,R] draws the pattern as a Euclidean rhythm.\n";
      return 0;
    }
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  GrooveSettings euclidOnly;
  euclidOnly.euclid = session.groove.euclid;
  if (!(session.groove == euclidOnly)) throw UsageError("of the groove options, pattern takes only --euclid");
  DrawPattern(session.settings, session.state, session.groove);
  WriteOutput(session.settings.PatternText());
  return 0;
}

}  // namespace volemo::cli
