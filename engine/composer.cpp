#include "composer.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>

#include "controls.h"
#include "cp932.h"
#include "meter.h"
#include "mml_tokens.h"
#include "note_choice.h"
#include "pattern_source.h"
#include "phrase_form.h"
#include "rhythm_pattern.h"
#include "step_groove.h"
#include "step_sounds.h"
#include "text_trim.h"
#include "translatable.h"

namespace volemo {
namespace {

bool IsStep(char ch) { return kRhythmSymbols.find(ch) != std::string_view::npos; }

// The text around a step's notes: a chord's quotes, a division's braces.
std::pair<std::string_view, std::string_view> Enclosure(char symbol) {
  if (symbol == 'W') return {"'", "'"};
  if (symbol == 'd') return {"Div{", "}"};
  return {};
}

// Writes the body and records every note with its timing as the compiler
// plays it: a tie lengthens the notes of the last note or chord (the second
// note after a double, nothing after a rest). Each step starts, lasts and
// sounds as the groove places it.
class PhraseWriter {
 public:
  PhraseWriter(const Settings& settings, EngineState& state, const StepGroove& groove, const MelodyLine* line)
      : range_(NoteRange(settings)),
        state_(state),
        groove_(groove),
        line_(line),
        sounds_(settings),
        velocity_(settings.Value("spnV")) {}

  // Appends the tokens of one pattern character; true when it is a step.
  bool Write(char ch) {
    if (IsStep(ch)) {
      const GrooveStep step = groove_.At(index_);
      now_ = step.start;
      length_ = step.length;
      lengthText_ = step.lengthText;
      if (ch != '^' && ch != 'r' && !step.sounds) ch = 'r';
      if (ch != '^') leadingTies_ = false;
      if (ch != '^' && ch != 'r') SetVelocity(step.velocity);
    }
    switch (ch) {
      case ' ': texts_.back() += ' '; return false;
      case 'B':
        // The slide's gate is drawn and written but never heard: the bent
        // note sounds with its own, the normal gate.
        SetGate(sounds_.DrawnGate(state_.random));
        texts_.back() += kBendSlide;
        [[fallthrough]];
      case 'N': case 'm': case 'W': case 'd': {
        const StepSound sound = sounds_.Of(ch, now_, length_, state_.random);
        const auto [open, close] = Enclosure(ch);
        SetGate(sound.gate);
        texts_.back() += open;
        const size_t first = notes_.size();
        for (size_t i = 0; i < sound.count; ++i) Note(ch, sound.notes[i].start, sound.notes[i].length);
        texts_.back() += close;
        texts_.back() += lengthText_;
        tieFirst_ = first + sound.tiedFrom;
        return Advance(notes_.size());
      }
      case '^':
        texts_.back() += '^' + lengthText_;
        for (size_t k = tieFirst_; k < tieLast_; ++k) notes_[k].soundingTicks += length_;
        if (leadingTies_) leadingTieTicks_ += length_;
        return Advance(tieLast_);
      case 'r':
        texts_.back() += 'r' + lengthText_;
        tieFirst_ = notes_.size();
        return Advance(notes_.size());
      default: return false;
    }
  }

  void Separator() { texts_.back() += kLineEnd; }

  PhraseBody Take() {
    const int64_t ticks = index_ > 0 ? now_ + length_ : 0;
    return {std::move(texts_), std::move(notes_), ticks, leadingTieTicks_, tieFirst_, tieLast_};
  }

 private:
  void SetGate(int gate) {
    if (gate != lastGate_) texts_.back() += 'q' + std::to_string(gate);
    lastGate_ = gate;
  }
  void SetVelocity(int velocity) {
    if (velocity >= 0 && velocity != lastVelocity_) texts_.back() += 'v' + std::to_string(velocity);
    lastVelocity_ = velocity;
    if (velocity >= 0) velocity_ = velocity;
  }
  // A note whose soundingTicks holds its written length until Finish.
  void Note(char symbol, int64_t start, int64_t length) {
    PhraseNote note;
    note.key = line_ ? line_->Choose(notes_, notes_.size(), start, range_, state_) : PickNote(range_, state_);
    note.startTick = start;
    note.soundingTicks = length;
    note.gate = lastGate_;
    note.velocity = velocity_;
    note.symbol = symbol;
    notes_.push_back(note);
    texts_.emplace_back();
  }
  // Ends a step: what a tie after it lengthens ends at tieLast.
  bool Advance(size_t tieLast) {
    tieLast_ = tieLast;
    ++index_;
    return true;
  }

  const std::pair<int, int> range_;  // the settings' keys, looked up once for all the notes
  EngineState& state_;
  const StepGroove& groove_;
  const MelodyLine* line_;
  const StepSounds sounds_;
  int lastGate_ = -1, lastVelocity_ = -1;
  int velocity_;  // in force: the header's until a step sets its own
  int index_ = 0;
  int64_t now_ = 0, length_ = 0;
  std::string lengthText_;
  size_t tieFirst_ = 0, tieLast_ = 0;
  bool leadingTies_ = true;
  int64_t leadingTieTicks_ = 0;
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
  if (noteValue < 1 || noteValue > kWholeNoteTicks) return 0;
  return (2 * kWholeNoteTicks + noteValue) / (2 * int64_t{noteValue});
}

PhraseBody ComposeBody(Settings& settings, EngineState& state, const GrooveSettings& groove, int stepCount,
                       const MelodyLine* line) {
  // A box holding only blanks and line breaks is treated as an empty box
  // and gets a drawn pattern. That pattern is itself empty when the pattern
  // length is 0 or less; the phrase then has an empty body.
  const uint32_t seed = state.random.seed();
  std::string pattern = settings.PatternText();
  if (TrimControlAndBlank(pattern).empty()) {
    DrawPattern(settings, state, groove);
    pattern = settings.PatternText();
  }
  const std::string_view p = TrimControlAndBlank(pattern);

  const int64_t stepTicks = StepTicks(settings.Value("spnL"));
  const StepGroove stepGroove(groove, stepTicks, stepCount, ValueInRange(settings, "spnV"), seed);
  PhraseWriter writer(settings, state, stepGroove, line);
  // Under a meter a line is a bar, when the bar holds whole steps.
  int stepsPerLine = kStepsPerLine;
  if (groove.meter && stepTicks > 0 && BarTicks(*groove.meter) % stepTicks == 0)
    stepsPerLine = static_cast<int>(BarTicks(*groove.meter) / stepTicks);
  // A pattern without any step symbol would never reach the step count: it
  // is read once, so its blanks come out and the phrase has no notes.
  const bool hasSteps = p.find_first_of(kRhythmSymbols) != std::string_view::npos;
  int steps = 0;
  size_t index = 0;
  if (!p.empty()) {
    do {
      const char ch = p[index % p.size()];
      // Under a meter a blank at a bar's end does not make an empty line.
      if (steps > 0 && steps % stepsPerLine == 0 && (IsStep(ch) || !groove.meter)) writer.Separator();
      if (writer.Write(ch)) ++steps;
      ++index;
    } while (hasSteps ? steps < stepCount : index < p.size());
  }
  return writer.Take();
}

Phrase JoinBodies(const std::string& head, std::vector<PhraseBody> bodies, std::string_view tail, bool repeated) {
  std::vector<std::string> texts{head};
  std::vector<PhraseNote> notes;
  size_t tailFirst = 0, tailLast = 0;  // of the body before, in notes
  int64_t start = 0;
  for (size_t b = 0; b < bodies.size(); ++b) {
    PhraseBody& body = bodies[b];
    for (PhraseNote& n : body.notes) n.startTick += start;
    start += body.ticks;
    if (b > 0)
      for (size_t k = tailFirst; k < tailLast; ++k) notes[k].soundingTicks += body.leadingTieTicks;
    const size_t first = notes.size();
    texts.back() += body.texts.front();
    texts.insert(texts.end(), std::make_move_iterator(body.texts.begin() + 1), std::make_move_iterator(body.texts.end()));
    notes.insert(notes.end(), body.notes.begin(), body.notes.end());
    tailFirst = first + body.tailFirst;
    tailLast = first + body.tailLast;
  }
  // The repeat plays the body again at once, so ties at its start lengthen
  // the last notes of the pass before.
  if (repeated && !bodies.empty())
    for (size_t k = tailFirst; k < tailLast; ++k) notes[k].soundingTicks += bodies.front().leadingTieTicks;
  // The gate applies to the whole length, ties included.
  for (PhraseNote& n : notes) {
    n.lengthTicks = n.soundingTicks;
    n.soundingTicks = SoundingTicks(n.soundingTicks, n.gate);
  }
  texts.back() += tail;
  Phrase phrase(std::move(texts), std::move(notes));
  phrase.SetFrame({head, std::string(tail), start, 0});
  return phrase;
}

std::string PhraseHead(const Settings& settings, const GrooveSettings& groove) {
  std::string head = Header(settings);
  if (groove.meter)
    head.insert(0, "Meter(" + std::to_string(groove.meter->numerator) + "/" + std::to_string(groove.meter->denominator) + ");");
  return head;
}

int BodySteps(const Settings& settings, const GrooveSettings& groove) {
  const int count = CountAtMost(settings, "spnCount");
  const int64_t step = StepTicks(settings.Value("spnL"));
  if (!groove.meter || step == 0) return count;
  // The fewest whole bars that hold the count and end on a step.
  const int64_t bar = BarTicks(*groove.meter);
  const int64_t stepsPerWhole = bar / std::gcd(bar, step);
  const int64_t wanted = std::max(count, 1);
  return static_cast<int>((wanted + stepsPerWhole - 1) / stepsPerWhole * stepsPerWhole);
}

Phrase ComposePhrase(Settings& settings, EngineState& state, const GrooveSettings& groove,
                     const MelodyOptions& melody) {
  Phrase phrase;
  if (groove.form.empty()) {
    const int steps = std::max(BodySteps(settings, groove), melody.minSteps);
    const MelodyLine line(melody.line, melody.chords, steps * StepTicks(settings.Value("spnL")),
                          std::clamp(settings.Index("cmbKey"), 0, 11));
    PhraseBody body = ComposeBody(settings, state, groove, steps, &line);
    line.Cadence(body.notes, settings, state);
    phrase = JoinBodies(melody.opening + PhraseHead(settings, groove) + "[4 \r\n", {std::move(body)}, "\r\n]", true);
    phrase.SetKeyChooser(line.Chooser());
  } else {
    phrase = ComposeForm(settings, state, groove, melody.line, melody.chords, melody.opening);
  }
  PhraseFrame frame = phrase.Frame();
  frame.stepTicks = StepTicks(settings.Value("spnL"));
  phrase.SetFrame(std::move(frame));
  state.lastNote = phrase.Notes().empty() ? -1 : phrase.Notes().back().key;
  settings.SetMmlText(phrase.Mml());
  static const std::string status = Cp932FromUtf8(QT_TRANSLATE_NOOP("Message", "MMLフレーズを作成しました。"));
  settings.SetStatus(status);
  return phrase;
}

}  // namespace volemo
