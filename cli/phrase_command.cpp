#include <iostream>

#include "commands.h"
#include "composer.h"
#include "session.h"

namespace volemo::cli {

int RunPhrase(ArgumentReader& args) {
  SessionOptions options;
  std::string midPath;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << "Usage: volemo-cli phrase [OPTIONS]\n"
                   "Composes a phrase (drawing a pattern when the pattern box is empty) and writes\n"
                   "the MML document to standard output: CP932 bytes, CR LF line breaks.\n\n"
                   "Output:\n"
                   "  --mid FILE            also compile the phrase into the MIDI file FILE\n"
                << kSessionOptionsHelp;
      return 0;
    }
    if (auto mid = args.TakeValue("--mid")) {
      midPath = *mid;
      continue;
    }
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  ComposePhrase(session.settings, session.state);
  WriteOutput(session.settings.MmlText());
  if (!midPath.empty() && !CompileToFile(session.settings.MmlText(), midPath)) return 1;
  return 0;
}

}  // namespace volemo::cli
