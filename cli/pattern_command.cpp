#include <iostream>

#include "commands.h"
#include "rhythm_pattern.h"
#include "session.h"

namespace volemo::cli {

int RunPattern(ArgumentReader& args) {
  SessionOptions options;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << "Usage: volemo-cli pattern [OPTIONS]\n"
                   "Draws a random rhythm pattern and writes it to standard output.\n\n"
                << kSessionOptionsHelp;
      return 0;
    }
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  MakeRandomPattern(session.settings, session.state);
  WriteOutput(session.settings.PatternText());
  return 0;
}

}  // namespace volemo::cli
