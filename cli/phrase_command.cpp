#include <iostream>

#include "commands.h"
#include "composer.h"
#include "cp932.h"
#include "interrupts.h"
#include "phrase_operations.h"
#include "phrase_export.h"
#include "sound_render.h"
#include "session.h"
#include "snapshot.h"
#include "take_store.h"

namespace volemo::cli {

int RunPhrase(ArgumentReader& args) {
  SessionOptions options;
  std::string midPath, wavPath, midiOut;
  bool play = false, notes = false, keep = false;
  std::vector<PhraseOperation> operations;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << "Usage: volemo-cli phrase [OPTIONS]\n"
                   "Composes a phrase (drawing a pattern when the pattern box is empty) and writes\n"
                   "the MML document to standard output: CP932 bytes, CR LF line breaks.\n\n"
                   "Output:\n"
                   "  --mid FILE            also compile the phrase into the MIDI file FILE\n"
                   "  --play                play the phrase and wait for its end\n"
                   "  --midi-out PORT       play the phrase into the MIDI port PORT (a full name, or a\n"
                   "                        unique part of one; see 'volemo-cli ports') and wait for its end\n"
                   "  --wav FILE            render the phrase to FILE: WAV, FLAC or Ogg Vorbis by its\n"
                   "                        extension (.wav, .flac, .ogg)\n"
                   "  --keep                keep the phrase as a take (see 'volemo-cli takes')\n\n"
                << kPhraseOperationsHelp << '\n'
                << kSessionOptionsHelp << kGrooveOptionsHelp;
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
    if (auto port = args.TakeValue("--midi-out")) {
      midiOut = *port;
      continue;
    }
    if (args.TakeFlag("--play")) {
      play = true;
      continue;
    }
    if (args.TakeFlag("--notes")) {
      notes = true;
      continue;
    }
    if (args.TakeFlag("--keep")) {
      keep = true;
      continue;
    }
    if (TakePhraseOperation(args, operations)) continue;
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  const uint32_t randomState = session.state.random.seed();
  Phrase phrase = Compose(session);
  ApplyPhraseOperations(operations, phrase, session.settings, session.state);
  session.settings.SetMmlText(phrase.Mml());
  const std::string& mml = session.settings.MmlText();
  if (notes && StepTicks(session.settings.Value("spnL")) == 0)
    throw UsageError("the notes have no times: l" + std::to_string(session.settings.Value("spnL")) +
                     " is not a note length the MML can hold (1 to 1920)");
  WriteOutput(notes ? NoteList(phrase) : mml);
  // Only on request: scripts and batches must not flood the window's list.
  if (keep) {
    try {
      TakeStore(TakesDatabasePath()).Add(CaptureTake(session.settings, session.state, "cli", randomState));
    } catch (const StoreError& e) {
      std::cerr << "volemo-cli: the phrase was not kept: " << e.what() << '\n';
      return 1;
    }
  }
  if (!midPath.empty() && !CompileToFile(mml, midPath)) return 1;
  if (!play && midiOut.empty() && wavPath.empty()) return 0;
  try {
    // In memory: runs side by side never hear or render each other's phrase.
    const MidiFile midi = CompilePhrase(mml);
    if (play) PlayToTheEnd(midi);
    if (!midiOut.empty()) PlayIntoPort(midi, midiOut);
    if (!wavPath.empty()) {
      const DeferInterrupts whileWriting;
      // Repeatable, as the batch renders: the same arguments give the same bytes.
      SoundRenderer(1, true).Render(midi, wavPath, wavPath, [](double) { return InterruptPending(); });
    }
  } catch (const Error& e) {
    ReportOnStderr(e.what());
    return 1;
  }
  return 0;
}

}  // namespace volemo::cli
