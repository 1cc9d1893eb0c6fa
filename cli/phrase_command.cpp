#include <iostream>

#include "commands.h"
#include "composer.h"
#include "session.h"

namespace volemo::cli {

int RunPhrase(ArgumentReader& args) {
  SessionOptions options;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << "Usage: volemo-cli phrase [OPTIONS]\n"
                   "Composes a phrase (drawing a pattern when the pattern box is empty) and writes\n"
                   "the MML document to standard output: CP932 bytes, CR LF line breaks.\n\n"
                << kSessionOptionsHelp;
      return 0;
    }
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  ComposePhrase(session.settings, session.state);
  WriteOutput(session.settings.MmlText());
  return 0;
}

}  // namespace volemo::cli
