#include "composer.h"

#include <algorithm>
#include <string_view>

#include "controls.h"
#include "cp932.h"
#include "note_choice.h"
#include "rhythm_pattern.h"
#include "text_trim.h"

namespace volemo {
namespace {

constexpr std::string_view kStepSymbols = "NmBWd^r";
constexpr int kStepsPerLine = 16;

// Writes the body and records every note with its timing as the compiler
// plays the first pass of the repeat: a tie lengthens the notes of the last
// note or chord (the second note after a double, nothing after a rest), and
// the gate applies to the whole length, ties included.
class PhraseWriter {
 public:
  PhraseWriter(const Settings& settings, EngineState& state, const MelodyLine& line)
      : settings_(settings),
        state_(state),
        line_(line),
        gateN_(settings.Position("scrGateN")),
        gateM_(settings.Position("scrGateM")),
        step_(StepTicks(settings.Value("spnL"))) {}

  // Appends the tokens of one pattern character; true when it is a step.
  bool Write(char ch) {
    if (ch != '^' && std::string_view(kStepSymbols).find(ch) != std::string_view::npos) leadingTies_ = false;
    switch (ch) {
      case ' ': texts_.back() += ' '; return false;
      case 'N': SetGate(gateN_); OneNote('N'); return true;
      case 'm': SetGate(gateM_); OneNote('m'); return true;
      case 'B':
        SetGate(MutedDraw() ? gateM_ : gateN_);
        texts_.back() += "p%.T(-8192,0,!32)";
        SetGate(gateN_);  // the bent note itself always sounds with the normal gate
        OneNote('B');
        return true;
      case 'W':
        SetGate(MutedDraw() ? gateM_ : gateN_);
        texts_.back() += '\'';
        tieFirst_ = notes_.size();
        Note('W', now_, step_);
        Note('W', now_, step_);
        texts_.back() += '\'';
        return Advance(notes_.size());
      case 'd':
        SetGate(MutedDraw() ? gateM_ : gateN_);
        texts_.back() += "Div{";
        Note('d', now_, step_ / 2);
        tieFirst_ = notes_.size();
        Note('d', now_ + step_ / 2, step_ - step_ / 2);  // the last item takes the remainder
        texts_.back() += '}';
        return Advance(notes_.size());
      case '^':
        texts_.back() += '^';
        for (size_t k = tieFirst_; k < tieLast_; ++k) notes_[k].soundingTicks += step_;
        if (leadingTies_) ++leadingTieCount_;
        return Advance(tieLast_);
      case 'r':
        texts_.back() += 'r';
        tieFirst_ = notes_.size();
        return Advance(notes_.size());
      default: return false;
    }
  }

  void Separator() { texts_.back() += "|\r\n"; }

  // The phrase between head and tail. The repeat plays the body again at
  // once, so ties at its start lengthen the last notes of the pass before.
  Phrase Finish(const std::string& head, std::string_view tail) {
    line_.Cadence(notes_, settings_, state_);
    for (size_t k = tieFirst_; k < tieLast_; ++k) notes_[k].soundingTicks += leadingTieCount_ * step_;
    for (PhraseNote& n : notes_)
      n.soundingTicks = n.gate == 0 ? 0 : std::max<int64_t>(1, n.soundingTicks * n.gate / 100);
    texts_.front().insert(0, head);
    texts_.back() += tail;
    return Phrase(std::move(texts_), std::move(notes_));
  }

 private:
  void SetGate(int gate) {
    if (gate != lastGate_) texts_.back() += 'q' + std::to_string(gate);
    lastGate_ = gate;
  }
  bool MutedDraw() {
    return static_cast<int>(state_.random.Next(100)) < settings_.Position("scrMuteRate");
  }
  // A note whose soundingTicks holds its written length until Finish.
  void Note(char symbol, int64_t start, int64_t length) {
    PhraseNote note;
    note.key = line_.Choose(notes_, notes_.size(), start, settings_, state_);
    note.startTick = start;
    note.soundingTicks = length;
    note.gate = lastGate_;
    note.symbol = symbol;
    notes_.push_back(note);
    texts_.emplace_back();
  }
  bool OneNote(char symbol) {
    tieFirst_ = notes_.size();
    Note(symbol, now_, step_);
    return Advance(notes_.size());
  }
  // Ends a step: what a tie after it lengthens ends at tieLast.
  bool Advance(size_t tieLast) {
    tieLast_ = tieLast;
    now_ += step_;
    return true;
  }

  const Settings& settings_;
  EngineState& state_;
  const MelodyLine& line_;
  const int gateN_, gateM_;
  const int64_t step_;
  int lastGate_ = -1;
  int64_t now_ = 0;
  size_t tieFirst_ = 0, tieLast_ = 0;
  bool leadingTies_ = true;
  int64_t leadingTieCount_ = 0;
  std::vector<std::string> texts_{std::string()};
  std::vector<PhraseNote> notes_;
};

std::string Header(const Settings& settings) {
  std::string h = "Tempo=" + settings.Text("spnTempo") + ";Channel(" + settings.Text("spnCH") + ");";
  if (settings.IsChecked("chkVoice")) h += "Voice(" + settings.Text("spnVoice") + ")";
  h += "\r\nv" + std::to_string(settings.Value("spnV")) + "l" + std::to_string(settings.Value("spnL"));
  return h;
}

}  // namespace

int64_t StepTicks(int32_t noteValue) {
  constexpr int64_t kWholeNoteTicks = 1920;
  if (noteValue < 1 || noteValue > kWholeNoteTicks) return 0;
  return (2 * kWholeNoteTicks + noteValue) / (2 * int64_t{noteValue});
}

Phrase ComposePhrase(Settings& settings, EngineState& state) { return ComposePhrase(settings, state, {}); }

Phrase ComposePhrase(Settings& settings, EngineState& state, const MelodyOptions& options) {
  // A box holding only blanks and line breaks is treated as an empty box
  // and gets a drawn pattern. That pattern is itself empty when the pattern
  // length is 0 or less; the phrase then has an empty body.
  std::string pattern = settings.PatternText();
  if (TrimControlAndBlank(pattern).empty()) {
    MakeRandomPattern(settings, state);
    pattern = settings.PatternText();
  }
  const std::string_view p = TrimControlAndBlank(pattern);

  const int stepCount = std::max(CountAtMost(settings, "spnCount"), options.minSteps);
  const MelodyLine line(options.line, options.chords, stepCount * StepTicks(settings.Value("spnL")),
                        std::clamp(settings.Index("cmbKey"), 0, 11));
  PhraseWriter writer(settings, state, line);
  // A pattern without any step symbol would never reach the step count: it
  // is read once, so its blanks come out and the phrase has no notes.
  const bool hasSteps = p.find_first_of(kStepSymbols) != std::string_view::npos;
  int steps = 0;
  size_t index = 0;
  if (!p.empty()) {
    do {
      const char ch = p[index % p.size()];
      if (steps > 0 && steps % kStepsPerLine == 0) writer.Separator();
      if (writer.Write(ch)) ++steps;
      ++index;
    } while (hasSteps ? steps < stepCount : index < p.size());
  }

  Phrase phrase = writer.Finish(options.opening + Header(settings) + "[4 \r\n", "\r\n]");
  if (line.Shapes() || options.line.cadence > 0) phrase.SetKeyChooser(line.Chooser());
  state.lastNote = phrase.Notes().empty() ? -1 : phrase.Notes().back().key;
  settings.SetMmlText(phrase.Mml());
  static const std::string status = Cp932FromUtf8("MMLフレーズを作成しました。");
  settings.SetStatus(status);
  return phrase;
}

}  // namespace volemo
