#include "phrase_form.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "message_format.h"
#include "translatable.h"

#include "composer.h"
#include "meter.h"
#include "text_trim.h"

namespace volemo {

std::vector<FormSection> ParseForm(std::string_view form) {
  std::vector<FormSection> sections;
  for (char c : form) {
    if (c >= 'A' && c <= 'Z') sections.push_back({c, 0});
    else if (c == '\'' && !sections.empty()) ++sections.back().primes;
    else
      throw std::invalid_argument(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "形式は大文字の並びで、それぞれの後に ' をいくつでもつけられます（AA'BA' など）。\"%1\" は書けません"),
          {form}));
  }
  if (sections.empty()) throw std::invalid_argument(QT_TRANSLATE_NOOP("Message", "形式には少なくとも一つのセクションが要ります"));
  return sections;
}

int64_t FormTicks(const GrooveSettings& groove) {
  if (groove.form.empty()) return 0;
  return static_cast<int64_t>(ParseForm(groove.form).size()) * groove.sectionBars *
         BarTicks(groove.meter.value_or(Meter{}));
}

namespace {

// The bars of the section'th section of the form's chords.
ChordTimeline SectionChords(const ChordTimeline& chords, size_t section, int sectionBars) {
  ChordTimeline own = chords;
  if (chords.masks.empty()) return own;
  const auto first = chords.masks.begin() + static_cast<std::ptrdiff_t>(section * static_cast<size_t>(sectionBars));
  own.masks.assign(first, first + sectionBars);
  return own;
}

}  // namespace

Phrase ComposeForm(Settings& settings, EngineState& state, const GrooveSettings& groove, const LineSettings& line,
                   const ChordTimeline& chords, const std::string& opening) {
  const std::vector<FormSection> form = ParseForm(groove.form);
  const Meter meter = groove.meter.value_or(Meter{});
  const int64_t step = StepTicks(settings.Value("spnL"));
  const int64_t ticks = int64_t{groove.sectionBars} * BarTicks(meter);
  if (groove.sectionBars < 1 || step == 0 || ticks % step != 0)
    throw std::invalid_argument(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "%2/%3 の %1 小節のセクションには l%4 のステップが整数個入りません"),
        {std::to_string(groove.sectionBars), std::to_string(meter.numerator), std::to_string(meter.denominator),
         settings.Text("spnL")}));
  const int steps = static_cast<int>(ticks / step);
  const bool drawn = TrimControlAndBlank(settings.PatternText()).empty();
  const int tonic = std::clamp(settings.Index("cmbKey"), 0, 11);

  std::map<std::string, PhraseBody> made;  // by name: the letter and its primes
  std::map<std::string, MelodyLine> lines;  // by letter: the line its section was drawn by
  std::vector<PhraseBody> bodies;
  for (const FormSection& section : form) {
    const std::string letter(1, section.letter);
    const std::string name = section.Name();
    if (!made.count(letter)) {
      if (drawn) settings.SetPatternText({});
      const MelodyLine& drawnBy =
          lines.emplace(letter, MelodyLine(line, SectionChords(chords, bodies.size(), groove.sectionBars), ticks, tonic))
              .first->second;
      made[letter] = ComposeBody(settings, state, groove, steps, &drawnBy);
      drawnBy.Cadence(made[letter].notes, settings, state);
    }
    if (!made.count(name)) {
      // The letter's notes with some redrawn, through the phrase that
      // knows how to choose them.
      PhraseBody varied = made[letter];
      Phrase notes(varied.texts, varied.notes);
      const MelodyLine& drawnBy = lines.at(letter);
      notes.SetKeyChooser(drawnBy.Chooser());
      notes.Mutate(groove.variation, settings, state);
      for (size_t i = 0; i < varied.notes.size(); ++i) varied.notes[i].key = notes.Notes()[i].key;
      made[name] = std::move(varied);
    }
    PhraseBody body = made[name];
    body.texts.front().insert(0, "\r\n// " + name + "\r\n");
    bodies.push_back(std::move(body));
  }
  Phrase phrase = JoinBodies(opening + PhraseHead(settings, groove), std::move(bodies), "\r\n", false);
  const MelodyLine whole(line, chords, static_cast<int64_t>(form.size()) * ticks, tonic);
  phrase.SetKeyChooser(whole.Chooser());
  return phrase;
}

}  // namespace volemo
