#include "composer.h"

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

class PhraseWriter {
 public:
  PhraseWriter(const Settings& settings, EngineState& state)
      : settings_(settings),
        state_(state),
        gateN_(settings.Position("scrGateN")),
        gateM_(settings.Position("scrGateM")) {}

  // Appends the tokens of one pattern character; true when it is a step.
  bool Write(char ch) {
    switch (ch) {
      case ' ': body_ += ' '; return false;
      case 'N': SetGate(gateN_); Note(); return true;
      case 'm': SetGate(gateM_); Note(); return true;
      case 'B':
        SetGate(MutedDraw() ? gateM_ : gateN_);
        body_ += "p%.T(-8192,0,!32)";
        SetGate(gateN_);  // the bent note itself always sounds with the normal gate
        Note();
        return true;
      case 'W': SetGate(MutedDraw() ? gateM_ : gateN_); TwoNotes("'", "'"); return true;
      case 'd': SetGate(MutedDraw() ? gateM_ : gateN_); TwoNotes("Div{", "}"); return true;
      case '^': body_ += '^'; return true;
      case 'r': body_ += 'r'; return true;
      default: return false;
    }
  }

  void Separator() { body_ += "|\r\n"; }
  const std::string& Body() const { return body_; }

 private:
  void SetGate(int gate) {
    if (gate != lastGate_) body_ += 'q' + std::to_string(gate);
    lastGate_ = gate;
  }
  bool MutedDraw() {
    return static_cast<int>(state_.random.Next(100)) < settings_.Position("scrMuteRate");
  }
  void Note() { body_ += NextNoteText(settings_, state_); }
  void TwoNotes(std::string_view open, std::string_view close) {
    body_ += open;
    Note();
    Note();
    body_ += close;
  }

  const Settings& settings_;
  EngineState& state_;
  const int gateN_, gateM_;
  int lastGate_ = -1;
  std::string body_;
};

std::string Header(const Settings& settings) {
  std::string h = "Tempo=" + settings.Text("spnTempo") + ";Channel(" + settings.Text("spnCH") + ");";
  if (settings.IsChecked("chkVoice")) h += "Voice(" + settings.Text("spnVoice") + ")";
  h += "\r\nv" + std::to_string(settings.Value("spnV")) + "l" + std::to_string(settings.Value("spnL"));
  return h;
}

}  // namespace

void ComposePhrase(Settings& settings, EngineState& state) {
  // A box holding only blanks and line breaks is treated as an empty box
  // and gets a drawn pattern. That pattern is itself empty when the pattern
  // length is 0 or less; the phrase then has an empty body.
  std::string pattern = settings.PatternText();
  if (TrimControlAndBlank(pattern).empty()) {
    MakeRandomPattern(settings, state);
    pattern = settings.PatternText();
  }
  const std::string_view p = TrimControlAndBlank(pattern);

  state.lastNote = -1;
  PhraseWriter writer(settings, state);
  const int stepCount = CountAtMost(settings, "spnCount");
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

  settings.SetMmlText(Header(settings) + "[4 \r\n" + writer.Body() + "\r\n]");
  static const std::string status = Cp932FromUtf8("MMLフレーズを作成しました。");
  settings.SetStatus(status);
}

}  // namespace volemo
