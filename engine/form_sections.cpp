#include "form_sections.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

#include "composer.h"
#include "engine_error.h"
#include "message_text.h"
#include "meter.h"
#include "translatable.h"

namespace volemo {
namespace {

// The line ComposeForm writes before each section.
std::string SectionLine(const std::string& name) { return "\r\n// " + name + "\r\n"; }

// A section as the phrase holds it: the melody's notes in its bars, and
// where its text starts in the MML (npos when the phrase has lost its
// section lines).
struct PlacedSection {
  SectionSpan span;
  std::vector<size_t> notes;
  size_t text = std::string::npos;
};

// The notes of the phrase's first part: up to the note that starts the
// second part.
size_t MelodyEnd(const Phrase& phrase) {
  const auto& notes = phrase.Notes();
  for (size_t i = 1; i < notes.size(); ++i)
    if (notes[i].startsPart) return i;
  return notes.size();
}

std::vector<PlacedSection> Place(const Phrase& phrase, const GrooveSettings& groove) {
  std::vector<SectionSpan> spans;
  try {
    spans = FormSpans(groove);
  } catch (const std::invalid_argument& e) {
    throw EngineError(e.what());
  }
  if (spans.empty())
    throw EngineError(QT_TRANSLATE_NOOP("Message", "このフレーズには形式（セクション）がありません。"));
  std::vector<PlacedSection> placed;
  for (const SectionSpan& span : spans) placed.push_back({span, {}, std::string::npos});
  const EngineError changed(QT_TRANSLATE_NOOP(
      "Message", "フレーズのセクションが今の形式と合いません（作成後に形式を変えました）。フレーズを作り直してください。"));
  const auto& notes = phrase.Notes();
  for (size_t i = 0; i < MelodyEnd(phrase); ++i) {
    const auto in = std::find_if(placed.begin(), placed.end(), [&](const PlacedSection& s) {
      return notes[i].startTick >= s.span.start && notes[i].startTick < s.span.end;
    });
    if (in == placed.end()) throw changed;
    in->notes.push_back(i);
  }

  // The section lines in order, each before its section's notes and after
  // the notes before it; none at all once the body has been written anew.
  const std::string& mml = phrase.Mml();
  if (mml.find("\r\n// ") == std::string::npos) return placed;
  size_t at = 0;
  for (PlacedSection& s : placed) {
    const size_t line = mml.find(SectionLine(s.span.Name()), at);
    if (line == std::string::npos) throw changed;
    s.text = line;
    for (size_t i : s.notes)
      if (notes[i].textBegin < line) throw changed;
    at = s.notes.empty() ? line + 1 : notes[s.notes.back()].textEnd;
  }
  return placed;
}

const PlacedSection& At(const std::vector<PlacedSection>& placed, size_t section) {
  if (section >= placed.size())
    throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "形式にセクション %1 はありません（%2 個です）。"),
                                    {std::to_string(section + 1), std::to_string(placed.size())}));
  return placed[section];
}

// Whether b is a's notes in time: the same count, starts from the section's
// start and symbols.
bool SameRhythm(const Phrase& phrase, const PlacedSection& a, const PlacedSection& b) {
  if (a.notes.size() != b.notes.size()) return false;
  const auto& notes = phrase.Notes();
  for (size_t j = 0; j < a.notes.size(); ++j) {
    const PhraseNote &x = notes[a.notes[j]], &y = notes[b.notes[j]];
    if (x.startTick - a.span.start != y.startTick - b.span.start || x.symbol != y.symbol) return false;
  }
  return true;
}

std::vector<int> KeysOf(const Phrase& phrase, const PlacedSection& s) {
  std::vector<int> keys;
  for (size_t i : s.notes) keys.push_back(phrase.Notes()[i].key);
  return keys;
}

// Redraws the notes at indexes (every other note held for the draw, then
// given its lock back): all of them, or k chosen at random.
void RedrawOnly(Phrase& phrase, const std::vector<size_t>& indexes, int k, const Settings& settings,
                EngineState& state) {
  std::vector<bool> locked;
  for (const PhraseNote& n : phrase.Notes()) locked.push_back(n.locked);
  phrase.SetAllLocked(true);
  for (size_t i : indexes) phrase.SetLocked(static_cast<int>(i) + 1, false);
  if (k < 0) phrase.Reroll(settings, state);
  else phrase.Mutate(k, settings, state);
  for (size_t i = 0; i < locked.size(); ++i) phrase.SetLocked(static_cast<int>(i) + 1, locked[i]);
}

void SetKeys(Phrase& phrase, const PlacedSection& s, const std::vector<int>& keys) {
  for (size_t j = 0; j < s.notes.size(); ++j)
    if (phrase.Notes()[s.notes[j]].key != keys[j]) phrase.SetKey(static_cast<int>(s.notes[j]) + 1, keys[j]);
}

// The sections named as `name` whose rhythm is still that of `like`.
std::vector<const PlacedSection*> Fellows(const Phrase& phrase, const std::vector<PlacedSection>& placed,
                                          const PlacedSection& like, const std::string& name) {
  std::vector<const PlacedSection*> fellows;
  for (const PlacedSection& s : placed)
    if (s.span.Name() == name && SameRhythm(phrase, like, s)) fellows.push_back(&s);
  return fellows;
}

// Draws new keys for the unlocked notes of every section named as `target`
// (the keys of its first, given to all): freely, or as k redrawn from base.
void DrawName(Phrase& phrase, const std::vector<PlacedSection>& placed, const PlacedSection& target,
              const std::vector<int>* base, int k, const Settings& settings, EngineState& state) {
  const std::vector<const PlacedSection*> fellows = Fellows(phrase, placed, target, target.span.Name());
  std::vector<size_t> free;
  for (size_t j = 0; j < target.notes.size(); ++j) {
    const bool held = std::any_of(fellows.begin(), fellows.end(),
                                  [&](const PlacedSection* s) { return phrase.Notes()[s->notes[j]].locked; });
    if (held) continue;
    free.push_back(target.notes[j]);
    if (base) phrase.SetKey(static_cast<int>(target.notes[j]) + 1, (*base)[j]);
  }
  RedrawOnly(phrase, free, base ? k : -1, settings, state);
  const std::vector<int> keys = KeysOf(phrase, target);
  for (const PlacedSection* s : fellows) {
    std::vector<int> own = KeysOf(phrase, *s);
    for (size_t j = 0; j < own.size(); ++j)
      if (!phrase.Notes()[s->notes[j]].locked) own[j] = keys[j];
    SetKeys(phrase, *s, own);
  }
}

// Ties at the start of a section's text ("^", "^%120", blanks and bar
// lines between them) lengthen the notes that end where the section
// starts: their ticks.
int64_t LeadingTies(const std::string& mml, const PlacedSection& s, int64_t step) {
  int64_t ticks = 0;
  constexpr std::string_view kBetween = " |\r\n";
  size_t at = std::min(mml.find_first_not_of(kBetween, s.text + SectionLine(s.span.Name()).size()), mml.size());
  while (at < mml.size() && mml[at] == '^') {
    size_t end = ++at;
    if (end < mml.size() && mml[end] == '%') {
      end = mml.find_first_not_of("0123456789", at + 1);
      if (end == std::string::npos) end = mml.size();
      ticks += std::stoll(mml.substr(at + 1, end - at - 1));
    } else {
      ticks += step;
    }
    at = std::min(mml.find_first_not_of(kBetween, end), mml.size());
  }
  return ticks;
}

// Where the melody's text ends: at the line break after its last section
// (the body's own line breaks follow a bar line).
size_t MelodyTextEnd(const std::string& mml, const PlacedSection& last) {
  size_t at = last.text + SectionLine(last.span.Name()).size();
  while ((at = mml.find("\r\n", at)) != std::string::npos && at > 0 && mml[at - 1] == '|') at += 2;
  return at == std::string::npos ? mml.size() : at;
}

}  // namespace

std::vector<SectionSpan> FormSpans(const GrooveSettings& groove) {
  if (groove.form.empty()) return {};
  const int64_t length = int64_t{groove.sectionBars} * BarTicks(groove.meter.value_or(Meter{}));
  std::vector<SectionSpan> spans;
  int64_t start = 0;
  for (const FormSection& section : ParseForm(groove.form)) {
    spans.push_back({section, start, start + length});
    start += length;
  }
  return spans;
}

std::vector<size_t> FindSections(const GrooveSettings& groove, const std::string& which) {
  const std::vector<SectionSpan> spans = FormSpans(groove);
  std::vector<size_t> found;
  if (!which.empty() && std::all_of(which.begin(), which.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const size_t number = which.size() < 6 ? std::stoul(which) : 0;
    if (number >= 1 && number <= spans.size()) found.push_back(number - 1);
    return found;
  }
  for (size_t i = 0; i < spans.size(); ++i)
    if (spans[i].Name() == which) found.push_back(i);
  return found;
}

void RerollSection(Phrase& phrase, const GrooveSettings& groove, size_t section, const Settings& settings,
                   EngineState& state) {
  const std::vector<PlacedSection> placed = Place(phrase, groove);
  const PlacedSection& target = At(placed, section);
  const std::string letter(1, target.span.section.letter);
  const std::vector<const PlacedSection*> plain =
      target.span.section.primes ? Fellows(phrase, placed, target, letter) : std::vector<const PlacedSection*>{};
  if (!plain.empty()) {
    const std::vector<int> base = KeysOf(phrase, *plain.front());
    return DrawName(phrase, placed, target, &base, groove.variation, settings, state);
  }
  const std::vector<int> before = KeysOf(phrase, target);
  DrawName(phrase, placed, target, nullptr, 0, settings, state);
  if (target.span.section.primes) return;
  // Each primed section follows where it was the letter's notes.
  const std::vector<int> after = KeysOf(phrase, target);
  for (const PlacedSection& s : placed) {
    if (s.span.section.letter != target.span.section.letter || s.span.section.primes == 0 ||
        !SameRhythm(phrase, target, s))
      continue;
    std::vector<int> keys = KeysOf(phrase, s);
    for (size_t j = 0; j < keys.size(); ++j)
      if (!phrase.Notes()[s.notes[j]].locked && keys[j] == before[j]) keys[j] = after[j];
    SetKeys(phrase, s, keys);
  }
}

void LockSection(Phrase& phrase, const GrooveSettings& groove, size_t section, bool locked) {
  const SectionSpan span = At(Place(phrase, groove), section).span;
  for (const PhraseNote& n : phrase.Notes())
    if (n.startTick >= span.start && n.startTick < span.end) phrase.SetLocked(n.number, locked);
}

void CopySection(Phrase& phrase, const GrooveSettings& groove, size_t section, char letter, const Settings& settings,
                 EngineState& state) {
  const std::vector<PlacedSection> placed = Place(phrase, groove);
  const PlacedSection& from = At(placed, section);
  const std::string to(1, letter);
  if (std::none_of(placed.begin(), placed.end(), [&](const PlacedSection& s) { return s.span.section.letter == letter; }))
    throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "形式 %1 に %2 のセクションはありません。"),
                                    {groove.form, to}));
  if (from.span.section.letter == letter && from.span.section.primes == 0)
    throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "セクション %1 はもともと %2 です。"),
                                    {from.span.Name(), to}));
  if (from.text == std::string::npos)
    throw EngineError(QT_TRANSLATE_NOOP("Message",
                                        "リズムを書き直したフレーズはセクションの区切りが分からないため、コピーできません。"));
  const auto& notes = phrase.Notes();
  for (const PlacedSection& s : placed)
    if (s.span.section.letter == letter && std::any_of(s.notes.begin(), s.notes.end(), [&](size_t i) { return notes[i].locked; }))
      throw EngineError(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "%1 のセクションにロックした音があります。先にロックを外してください。"), {to}));

  const std::string& mml = phrase.Mml();
  const int64_t step = StepTicks(settings.Value("spnL"));
  const size_t textEnd = MelodyTextEnd(mml, placed.back());
  // Each section's text, and the section whose text and notes it now holds.
  std::vector<size_t> source(placed.size());
  std::vector<int64_t> lead(placed.size());
  for (size_t s = 0; s < placed.size(); ++s) {
    source[s] = placed[s].span.section.letter == letter ? section : s;
    lead[s] = LeadingTies(mml, placed[s], step);
  }
  // A note's own written length, without the ties the next section's text
  // starts with; they are given again by the text that follows it now.
  auto ownLength = [&](size_t s, const PhraseNote& n) {
    const bool tied = s + 1 < placed.size() && lead[s + 1] > 0 &&
                      n.startTick + n.lengthTicks == placed[s + 1].span.start + lead[s + 1];
    return n.lengthTicks - (tied ? lead[s + 1] : 0);
  };

  std::vector<std::string> texts{std::string()};
  std::vector<PhraseNote> written;
  std::vector<size_t> sectionFirst;  // the index of each section's first note in written
  // The text from..to of the MML with its notes, each note moved by shift
  // and made by make.
  auto copy = [&](size_t begin, size_t end, int64_t shift, auto make) {
    size_t at = begin;
    for (size_t i = 0; i < notes.size(); ++i) {
      if (notes[i].textBegin < begin || notes[i].textBegin >= end) continue;
      texts.back() += mml.substr(at, notes[i].textBegin - at);
      written.push_back(make(notes[i]));
      written.back().startTick += shift;
      texts.emplace_back();
      at = notes[i].textEnd;
    }
    texts.back() += mml.substr(at, end - at);
  };
  const auto asIs = [](const PhraseNote& n) { return n; };
  copy(0, placed.front().text, 0, asIs);
  for (size_t s = 0; s < placed.size(); ++s) {
    const PlacedSection& own = placed[s];
    const PlacedSection& src = placed[source[s]];
    const size_t begin = src.text + SectionLine(src.span.Name()).size();
    const size_t end = source[s] + 1 < placed.size() ? placed[source[s] + 1].text : textEnd;
    texts.back() += SectionLine(own.span.Name());
    sectionFirst.push_back(written.size());
    copy(begin, end, own.span.start - src.span.start, [&](const PhraseNote& n) {
      PhraseNote moved = n;
      moved.lengthTicks = ownLength(source[s], n);
      return moved;
    });
  }
  sectionFirst.push_back(written.size());
  copy(textEnd, mml.size(), 0, asIs);

  // The ties of each section's (new) text, on the notes that end where it
  // starts; then the gate over the whole length, as the composer applies it.
  for (size_t s = 0; s + 1 < placed.size(); ++s) {
    const int64_t ties = lead[source[s + 1]];
    for (size_t i = sectionFirst[s]; i < sectionFirst[s + 1] && ties > 0; ++i)
      if (written[i].startTick + written[i].lengthTicks == placed[s + 1].span.start) written[i].lengthTicks += ties;
  }
  // Only the melody's first note starts its part (in a whole of parts).
  const bool startsPart = !notes.empty() && notes.front().startsPart;
  for (size_t i = sectionFirst.front(); i < sectionFirst.back(); ++i) {
    PhraseNote& n = written[i];
    n.soundingTicks = n.gate == 0 ? 0 : std::max<int64_t>(1, n.lengthTicks * n.gate / 100);
    n.startsPart = startsPart && i == sectionFirst.front();
  }

  Phrase copied(std::move(texts), std::move(written));
  copied.SetKeyChooser(phrase.Chooser());
  copied.SetFrame(phrase.Frame());
  phrase = std::move(copied);

  // The letter's primed sections, each name a variation of its own.
  const std::vector<PlacedSection> now = Place(phrase, groove);
  std::map<std::string, bool> varied;
  for (const PlacedSection& s : now)
    if (s.span.section.letter == letter && s.span.section.primes > 0 && !varied[s.span.Name()]) {
      varied[s.span.Name()] = true;
      const std::vector<int> base = KeysOf(phrase, s);
      DrawName(phrase, now, s, &base, groove.variation, settings, state);
    }
}

}  // namespace volemo
