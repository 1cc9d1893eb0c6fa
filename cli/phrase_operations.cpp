#include "phrase_operations.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <stdexcept>

#include "form_sections.h"
#include "note_choice.h"

namespace volemo::cli {
namespace {

// "1,3,5-8": numbers from 1, ranges low-high with low <= high.
std::vector<std::pair<int, int>> ParseNoteList(const std::string& list) {
  const std::string bad = "--lock takes note numbers from 1 such as 1,3,5-8, not \"" + list + "\"";
  auto number = [&](const std::string& text) {
    long long n = 0;
    try {
      n = ParseInteger(text, "--lock");
    } catch (const UsageError&) {
      throw UsageError(bad);
    }
    if (n < 1 || n > std::numeric_limits<int>::max()) throw UsageError(bad);
    return static_cast<int>(n);
  };
  std::vector<std::pair<int, int>> ranges;
  size_t at = 0;
  do {
    const size_t comma = std::min(list.find(',', at), list.size());
    const std::string item = list.substr(at, comma - at);
    const size_t dash = item.find('-');
    const int low = number(item.substr(0, dash));
    const int high = dash == std::string::npos ? low : number(item.substr(dash + 1));
    if (high < low) throw UsageError(bad);
    ranges.emplace_back(low, high);
    at = comma + 1;
  } while (at <= list.size());
  return ranges;
}

}  // namespace

const char kPhraseOperationsHelp[] = R"(Working on the composed phrase, in command-line order:
  --lock LIST           lock notes by number (1,3,5-8); notes count from 1 in the order
                        they stand in the MML, both notes of a chord or double counting
  --reroll              redraw every unlocked note's key (repeatable)
  --reroll-rhythm       redraw the rhythm of every step no locked note sounds in, then
                        the keys of its notes; locked notes keep their steps (repeatable)
  --mutate K            redraw K unlocked notes chosen at random (repeatable)
  --reroll-section S    with --form: redraw the unlocked notes of section S (its number
                        from 1, or its name such as B or A'); every section of its name
                        gets the same notes, a letter's primed sections stay its
                        variation, a primed section gets a new variation
  --lock-section S      lock the notes starting in section S (a name: every section
                        of that name)
  --copy-section S:L    give the sections of letter L the notes of section S (text,
                        rhythm and keys; L's primed sections become new variations of
                        them); the form stays as given
  --on PART             the operations after it work on PART (melody, bass, chords,
                        drums) or on all parts; before any, on the melody
  --notes               write the final phrase's notes instead of the MML, one a line,
                        tab-separated: number, start tick, sounding ticks, MIDI key,
                        name (C4 = 48), locked 0/1, and with parts the part
  --chords-table        write the chords instead of the MML, a bar a line: bar, start
                        tick, symbol, root key, keys
)";

bool TakePhraseOperation(ArgumentReader& args, std::vector<PhraseOperation>& operations) {
  if (auto list = args.TakeValue("--lock")) {
    operations.push_back({PhraseOperation::Lock, ParseNoteList(*list), 0, "--lock " + *list});
  } else if (args.TakeFlag("--reroll")) {
    operations.push_back({PhraseOperation::Reroll, {}, 0, "--reroll"});
  } else if (args.TakeFlag("--reroll-rhythm")) {
    operations.push_back({PhraseOperation::RerollRhythm, {}, 0, "--reroll-rhythm"});
  } else if (auto section = args.TakeValue("--reroll-section")) {
    operations.push_back({PhraseOperation::RerollSection, {}, 0, "--reroll-section " + *section, *section});
  } else if (auto section = args.TakeValue("--lock-section")) {
    operations.push_back({PhraseOperation::LockSection, {}, 0, "--lock-section " + *section, *section});
  } else if (auto copy = args.TakeValue("--copy-section")) {
    const size_t colon = copy->rfind(':');
    if (colon == std::string::npos || colon + 2 != copy->size() || copy->back() < 'A' || copy->back() > 'Z')
      throw UsageError("--copy-section takes a section and a letter such as 1:B or A:B, not \"" + *copy + "\"");
    operations.push_back({PhraseOperation::CopySection, {}, 0, "--copy-section " + *copy, copy->substr(0, colon),
                          copy->back()});
  } else if (auto part = args.TakeValue("--on")) {
    operations.push_back({PhraseOperation::On, {}, 0, *part});
  } else if (auto k = args.TakeValue("--mutate")) {
    const long long count = ParseInteger(*k, "--mutate");
    if (count < 0 || count > std::numeric_limits<int>::max())
      throw UsageError("--mutate takes a count of notes from 0, not " + *k);
    operations.push_back({PhraseOperation::Mutate, {}, static_cast<int>(count), "--mutate " + *k});
  } else {
    return false;
  }
  return true;
}

namespace {

// The sections the operation names; throws UsageError for none.
std::vector<size_t> SectionsNamed(const PhraseOperation& op, const GrooveSettings& groove) {
  if (groove.form.empty()) throw UsageError(op.option + ": the phrase has no sections without --form");
  const std::vector<size_t> found = FindSections(groove, op.section);
  if (found.empty())
    throw UsageError(op.option + ": the form " + groove.form + " has no section " + op.section + " (1 to " +
                     std::to_string(FormSpans(groove).size()) + ", or a name in it)");
  return found;
}

void ApplyOne(const PhraseOperation& op, Phrase& phrase, const GrooveSettings& groove, const Settings& settings,
              EngineState& state) {
  {
    switch (op.kind) {
      case PhraseOperation::Lock:
        for (const auto& [low, high] : op.ranges) {
          if (static_cast<size_t>(high) > phrase.Notes().size())
            throw UsageError(op.option + ": the phrase has " + std::to_string(phrase.Notes().size()) +
                             " notes, no note " + std::to_string(std::max<size_t>(low, phrase.Notes().size() + 1)));
          for (int n = low; n <= high; ++n) phrase.SetLocked(n, true);
        }
        break;
      case PhraseOperation::Reroll: phrase.Reroll(settings, state); break;
      case PhraseOperation::RerollRhythm:
        if (!phrase.Rewritable())
          throw UsageError(op.option + ": only a composed melody has steps to draw again (not a part, a continued "
                           "phrase or a note length of no whole ticks)");
        phrase.RerollRhythm(settings, state);
        break;
      case PhraseOperation::Mutate: phrase.Mutate(op.count, settings, state); break;
      case PhraseOperation::RerollSection:
        RerollSection(phrase, groove, SectionsNamed(op, groove).front(), settings, state);
        break;
      case PhraseOperation::LockSection:
        for (size_t section : SectionsNamed(op, groove)) LockSection(phrase, groove, section, true);
        break;
      case PhraseOperation::CopySection:
        CopySection(phrase, groove, SectionsNamed(op, groove).front(), op.letter, settings, state);
        break;
      case PhraseOperation::On: break;
    }
  }
}

}  // namespace

void ApplyPhraseOperations(const std::vector<PhraseOperation>& operations, Arrangement& arrangement,
                           const GrooveSettings& groove, const Settings& settings, EngineState& state) {
  std::string target = "melody";
  for (const PhraseOperation& op : operations) {
    if (op.kind == PhraseOperation::On) {
      const auto& names = arrangement.names;
      if (op.option != "all" && std::find(names.begin(), names.end(), op.option) == names.end())
        throw UsageError("--on " + op.option + ": no such part (the phrase has " + [&] {
          std::string list;
          for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
          return list;
        }() + "; or all)");
      target = op.option;
      continue;
    }
    // The form shapes the melody alone: its sections' notes are the melody's.
    if (op.kind == PhraseOperation::RerollSection || op.kind == PhraseOperation::CopySection) {
      if (target != "melody" && target != "all")
        throw UsageError(op.option + ": a section's notes are the melody's, not the " + target + " part's");
      ApplyOne(op, arrangement.parts.front(), groove, settings, state);
      continue;
    }
    for (size_t i = 0; i < arrangement.parts.size(); ++i)
      if (target == "all" || arrangement.names[i] == target)
        ApplyOne(op, arrangement.parts[i], groove, settings, state);
  }
}

std::string NoteList(const Arrangement& arrangement) {
  std::string text;
  const bool parts = arrangement.parts.size() > 1;
  for (size_t i = 0; i < arrangement.parts.size(); ++i) {
    for (const PhraseNote& n : arrangement.parts[i].Notes()) {
      text += std::to_string(n.number) + '\t' + std::to_string(n.startTick) + '\t' + std::to_string(n.soundingTicks) +
              '\t' + std::to_string(n.key) + '\t' + NoteName(n.key) + '\t' + (n.locked ? '1' : '0');
      if (parts) text += '\t' + arrangement.names[i];
      text += '\n';
    }
  }
  return text;
}

}  // namespace volemo::cli
