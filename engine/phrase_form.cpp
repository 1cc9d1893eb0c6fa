#include "phrase_form.h"

#include <map>
#include <stdexcept>

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
      throw std::invalid_argument("a form is capital letters, each with any number of ' after it (such as AA'BA'), not \"" +
                                  std::string(form) + "\"");
  }
  if (sections.empty()) throw std::invalid_argument("a form needs at least one section");
  return sections;
}

Phrase ComposeForm(Settings& settings, EngineState& state, const GrooveSettings& groove) {
  const std::vector<FormSection> form = ParseForm(groove.form);
  const Meter meter = groove.meter.value_or(Meter{});
  const int64_t step = StepTicks(settings.Value("spnL"));
  const int64_t ticks = int64_t{groove.sectionBars} * BarTicks(meter);
  if (groove.sectionBars < 1 || step == 0 || ticks % step != 0)
    throw std::invalid_argument("a section of " + std::to_string(groove.sectionBars) + " bars of " +
                                std::to_string(meter.numerator) + "/" + std::to_string(meter.denominator) +
                                " does not hold a whole number of steps of l" + settings.Text("spnL"));
  const int steps = static_cast<int>(ticks / step);
  const bool drawn = TrimControlAndBlank(settings.PatternText()).empty();

  std::map<std::string, PhraseBody> made;  // by name: the letter and its primes
  std::vector<PhraseBody> bodies;
  for (const FormSection& section : form) {
    const std::string letter(1, section.letter);
    const std::string name = letter + std::string(section.primes, '\'');
    if (!made.count(letter)) {
      if (drawn) settings.SetPatternText({});
      made[letter] = ComposeBody(settings, state, groove, steps);
    }
    if (!made.count(name)) {
      // The letter's notes with some redrawn, through the phrase that
      // knows how to choose them.
      PhraseBody varied = made[letter];
      Phrase notes(varied.texts, varied.notes);
      notes.Mutate(groove.variation, settings, state);
      for (size_t i = 0; i < varied.notes.size(); ++i) varied.notes[i].key = notes.Notes()[i].key;
      made[name] = std::move(varied);
    }
    PhraseBody body = made[name];
    body.texts.front().insert(0, "\r\n// " + name + "\r\n");
    bodies.push_back(std::move(body));
  }
  return JoinBodies(PhraseHead(settings, groove), std::move(bodies), "\r\n", false);
}

}  // namespace volemo
