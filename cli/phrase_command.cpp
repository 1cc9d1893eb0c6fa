#include <algorithm>
#include <iostream>

#include "arrangement_options.h"
#include "groove_options.h"
#include "commands.h"
#include "composer.h"
#include "continuation.h"
#include "cp932.h"
#include "interrupts.h"
#include "language.h"
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
  bool play = false, notes = false, keep = false, chordsTable = false, followTransport = false,
       midiClock = false;
  std::vector<PhraseOperation> operations;
  std::string continuePath;
  int continueBars = 0;
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
                   "  --follow-transport    with --midi-out to a JACK port: play on the JACK transport's\n"
                   "                        timeline, from its bar 1 at its tempo, while it rolls; the\n"
                   "                        notes end when it stops; done once it has passed the phrase\n"
                   "  --midi-clock          with --midi-out: send MIDI clock at the phrase's tempo (24 a\n"
                   "                        quarter note), a start before the first note, a stop at the end\n"
                   "  --wav FILE            render the phrase to FILE: WAV, FLAC or Ogg Vorbis by its\n"
                   "                        extension (.wav, .flac, .ogg)\n"
                   "  --keep                keep the phrase as a take (see 'volemo-cli takes')\n"
                   "  --continue FILE.mid   compose the bars that follow the MIDI file instead: its style\n"
                   "                        is set (as --style), then its rhythm symbols and intervals\n"
                   "                        go on, each drawn by what followed the one before in it\n"
                   "  --bars N              how many 4/4 bars --continue composes (default 1)\n\n"
                << kPhraseOperationsHelp << '\n'
                << kSessionOptionsHelp << kGrooveOptionsHelp << '\n'
                << kArrangementOptionsHelp;
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
    if (auto start = args.TakeValue("--continue")) {
      continuePath = *start;
      options.sets.emplace_back(kStyleEntry, *start);  // its style, in order with the --set options
      continue;
    }
    if (auto bars = args.TakeValue("--bars")) {
      continueBars = static_cast<int>(std::clamp<long long>(ParseInteger(*bars, "--bars"), -1, 1 << 20));
      continue;
    }
    if (args.TakeFlag("--midi-clock")) {
      midiClock = true;
      continue;
    }
    if (args.TakeFlag("--follow-transport")) {
      followTransport = true;
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
    if (args.TakeFlag("--chords-table")) {
      chordsTable = true;
      continue;
    }
    if (args.TakeFlag("--keep")) {
      keep = true;
      continue;
    }
    if (TakePhraseOperation(args, operations)) continue;
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  if (continueBars != 0 && continuePath.empty()) throw UsageError("--bars needs --continue FILE.mid");
  if (followTransport && midiOut.empty()) throw UsageError("--follow-transport needs --midi-out PORT");
  if (midiClock && midiOut.empty()) throw UsageError("--midi-clock needs --midi-out PORT");
  if (midiClock && followTransport) throw UsageError("--midi-clock goes with a play of its own: not with --follow-transport");
  Session session(options);
  const uint32_t randomState = session.state.random.seed();
  Arrangement arrangement;
  if (continuePath.empty()) {
    arrangement = Compose(session);
  } else {
    if (session.parts.arrangement.HasParts() || session.parts.arrangement.HasChords())
      throw UsageError("--continue composes a melody alone: no --parts or --chords with it");
    const PieceNotes piece = ReadPieceNotes(continuePath, {});
    try {
      arrangement.names.push_back("melody");
      arrangement.parts.push_back(ComposeContinuation(piece, LearnStyle(piece, session.state),
                                                      continueBars ? continueBars : 1, session.settings,
                                                      session.state));
    } catch (const std::invalid_argument& e) {
      throw UsageError(std::string("--bars: ") + e.what());
    }
  }
  ApplyPhraseOperations(operations, arrangement, session.parts.groove, session.settings, session.state);
  session.settings.SetMmlText(arrangement.Mml());
  const std::string& mml = session.settings.MmlText();
  if (notes && StepTicks(session.settings.Value("spnL")) == 0)
    throw UsageError("the notes have no times: l" + std::to_string(session.settings.Value("spnL")) +
                     " is not a note length the MML can hold (1 to 1920)");
  if (chordsTable && arrangement.chords.empty())
    throw UsageError("--chords-table needs chords: give --chords, or parts with --parts");
  WriteOutput(chordsTable ? ChordsTable(arrangement, session.parts.arrangement.chordVoicing) : notes ? NoteList(arrangement) : mml);
  // Only on request: scripts and batches must not flood the window's list.
  if (keep) {
    try {
      TakeStore(TakesDatabasePath()).Add(CaptureTake(session.settings, session.state, "cli", randomState, session.parts));
    } catch (const StoreError& e) {
      std::cerr << "volemo-cli: the phrase was not kept: " << Said(e.what()) << '\n';
      return 1;
    }
  }
  if (!midPath.empty() && !CompileToFile(mml, midPath)) return 1;
  if (!play && midiOut.empty() && wavPath.empty()) return 0;
  try {
    // In memory: runs side by side never hear or render each other's phrase.
    const MidiFile midi = CompilePhrase(mml);
    if (play) PlayToTheEnd(midi);
    if (!midiOut.empty()) PlayIntoPort(midi, midiOut, followTransport, midiClock);
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
