#include <iostream>

#include "commands.h"
#include "composer.h"
#include "play_sequence.h"
#include "sound_render.h"
#include "session.h"

namespace volemo::cli {

int RunPhrase(ArgumentReader& args) {
  SessionOptions options;
  std::string midPath, wavPath;
  bool play = false;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << "Usage: volemo-cli phrase [OPTIONS]\n"
                   "Composes a phrase (drawing a pattern when the pattern box is empty) and writes\n"
                   "the MML document to standard output: CP932 bytes, CR LF line breaks.\n\n"
                   "Output:\n"
                   "  --mid FILE            also compile the phrase into the MIDI file FILE\n"
                   "  --play                play the phrase (through temp.mid) and wait for its end\n"
                   "  --wav FILE            render the phrase to the WAV file FILE\n"
                << kSessionOptionsHelp;
      return 0;
    }
    if (auto mid = args.TakeValue("--mid")) {
      midPath = *mid;
      continue;
    }
    if (auto wav = args.TakeValue("--wav")) {
      wavPath = *wav;
      continue;
    }
    if (args.TakeFlag("--play")) {
      play = true;
      continue;
    }
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  ComposePhrase(session.settings, session.state);
  WriteOutput(session.settings.MmlText());
  const std::string& mml = session.settings.MmlText();
  if (!midPath.empty() && !CompileToFile(mml, midPath)) return 1;
  try {
    if (play && !PlayToTheEnd(session.settings, mml)) {
      ReportOnStderr(session.settings.Status());
      return 1;
    }
    if (!wavPath.empty()) {
      // The scratch file is what the window would have played.
      const std::string mid = midPath.empty() ? TempMidPath() : midPath;
      if (midPath.empty() && !CompileToFile(mml, mid)) return 1;
      RenderSound(mid, wavPath);
    }
  } catch (const PlayerError& e) {
    ReportOnStderr(e.what());
    return 1;
  }
  return 0;
}

}  // namespace volemo::cli
