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
#include "translatable.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

constexpr char kPhraseHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli phrase [OPTIONS]
フレーズを作り（パターン欄が空ならパターンも引く）、MML の文書を標準出力に書く:
CP932 のバイト、CR LF の改行。

出力:
  --mid FILE            フレーズを MIDI ファイル FILE にもコンパイルする
  --play                フレーズを演奏し、終わるまで待つ
  --midi-out PORT       フレーズを MIDI ポート PORT（完全な名前か、ひとつに決まる名前の
                        一部。'volemo-cli ports' を参照）に演奏し、終わるまで待つ
  --follow-transport    JACK のポートへの --midi-out で: JACK のトランスポートの時間軸の
                        上で、その 1 小節目からそのテンポで、進んでいる間演奏する。止まると
                        音を止め、フレーズを過ぎたら終わる
  --midi-clock          --midi-out で: フレーズのテンポで MIDI クロック（四分音符に 24）、
                        最初の音の前にスタート、終わりにストップを送る
  --wav FILE            フレーズを FILE にレンダリングする: 拡張子（.wav, .flac, .ogg）で
                        WAV, FLAC か Ogg Vorbis
  --keep                フレーズをテイクとして記録する（'volemo-cli takes' を参照）
  --continue FILE.mid   代わりに MIDI ファイルに続く小節を作る: そのスタイルを設定し
                        （--style と同じ）、リズム記号と音程をそれぞれ、ファイルの中で
                        前のものの後に来たものから引いて続ける
  --bars N              --continue で作る 4/4 の小節の数（既定 1）

)");

}  // namespace

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
      std::cout << Said(kPhraseHelp) << Said(kPhraseOperationsHelp) << '\n' << Said(kSessionOptionsHelp)
                << Said(kGrooveOptionsHelp) << '\n' << Said(kArrangementOptionsHelp);
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
  if (continueBars != 0 && continuePath.empty()) throw UsageError(QT_TRANSLATE_NOOP("Message", "--bars には --continue FILE.mid が要ります"));
  if (followTransport && midiOut.empty()) throw UsageError(QT_TRANSLATE_NOOP("Message", "--follow-transport には --midi-out PORT が要ります"));
  if (midiClock && midiOut.empty()) throw UsageError(QT_TRANSLATE_NOOP("Message", "--midi-clock には --midi-out PORT が要ります"));
  if (midiClock && followTransport) throw UsageError(
        QT_TRANSLATE_NOOP("Message", "--midi-clock は自分で演奏するときのもので、--follow-transport とは使えません"));
  Session session(options);
  const uint32_t randomState = session.state.random.seed();
  Arrangement arrangement;
  if (continuePath.empty()) {
    arrangement = Compose(session);
  } else {
    if (session.parts.arrangement.HasParts() || session.parts.arrangement.HasChords())
      throw UsageError(
          QT_TRANSLATE_NOOP("Message", "--continue が作るのはメロディーだけです。--parts や --chords とは使えません"));
    const PieceNotes piece = ReadPieceNotes(continuePath, {});
    try {
      arrangement.names.push_back("melody");
      arrangement.parts.push_back(ComposeContinuation(piece, LearnStyle(piece, session.state),
                                                      continueBars ? continueBars : 1, session.settings,
                                                      session.state));
    } catch (const std::invalid_argument& e) {
      throw UsageError(std::string("--bars: ") + Said(e.what()));
    }
  }
  ApplyPhraseOperations(operations, arrangement, session.parts.groove, session.settings, session.state);
  session.settings.SetMmlText(arrangement.Mml());
  const std::string& mml = session.settings.MmlText();
  if (notes && StepTicks(session.settings.Value("spnL")) == 0)
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "音に時刻がありません: l%1 は MML が持てる音の長さ（1～1920）ではありません"),
        {std::to_string(session.settings.Value("spnL"))}));
  if (chordsTable && arrangement.chords.empty())
    throw UsageError(
        QT_TRANSLATE_NOOP("Message", "--chords-table には和音が要ります: --chords か、--parts でパートを指定してください"));
  WriteOutput(chordsTable ? ChordsTable(arrangement, session.parts.arrangement.chordVoicing) : notes ? NoteList(arrangement) : mml);
  // Only on request: scripts and batches must not flood the window's list.
  if (keep) {
    try {
      TakeStore(TakesDatabasePath()).Add(CaptureTake(session.settings, session.state, "cli", randomState, session.parts));
    } catch (const StoreError& e) {
      std::cerr << "volemo-cli: " << Said(FormatMessage(QT_TRANSLATE_NOOP("Message", "フレーズを記録できませんでした: %1"), {e.what()}))
                << '\n';
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
