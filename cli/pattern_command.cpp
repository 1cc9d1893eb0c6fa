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
  // A preset's other groove settings are the phrase's, not the pattern's.
  const GrooveSettings given = ReadPartValues(options.partValues).groove;
  GrooveSettings euclidOnly;
  euclidOnly.euclid = given.euclid;
  if (!(given == euclidOnly)) throw UsageError("of the groove options, pattern takes only --euclid");
  euclidOnly.euclid = session.parts.groove.euclid;
  DrawPattern(session.settings, session.state, euclidOnly);
  WriteOutput(session.settings.PatternText());
  return 0;
}

}  // namespace volemo::cli
