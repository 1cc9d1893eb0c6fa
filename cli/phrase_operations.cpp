#include "phrase_operations.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <stdexcept>

#include "form_sections.h"
#include "note_choice.h"
#include "translatable.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

// "1,3,5-8": numbers from 1, ranges low-high with low <= high.
std::vector<std::pair<int, int>> ParseNoteList(const std::string& list) {
  const std::string bad = FormatMessage(
      QT_TRANSLATE_NOOP("Message", "--lock には 1,3,5-8 のように 1 からの音の番号を指定してください（\"%1\" ではなく）"), {list});
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

const char kPhraseOperationsHelp[] = QT_TRANSLATE_NOOP("Message", R"(作ったフレーズへの操作（コマンドラインの順に）:
  --lock LIST           番号で音をロックする（1,3,5-8）。音は MML に並ぶ順に 1 から
                        数え、和音や重音はそれぞれの音を数える
  --reroll              ロックしていない音の高さをすべて引き直す（繰り返し可）
  --reroll-rhythm       ロックした音が鳴らないステップのリズムを引き直し、その音の
                        高さも引き直す。ロックした音はステップを保つ（繰り返し可）
  --mutate K            ロックしていない音を K 個くじで選んで引き直す（繰り返し可）
  --reroll-section S    --form と: セクション S（1 からの番号か、B や A' のような名前）の
                        ロックしていない音を引き直す。同じ名前のセクションはどれも同じ
                        音になり、文字のダッシュ付きのセクションはその変奏のまま。
                        ダッシュ付きのセクションは新しい変奏になる
  --lock-section S      セクション S で始まる音をロックする（名前ならその名前の
                        セクションすべて）
  --copy-section S:L    文字 L のセクションをセクション S の音にする（テキスト、
                        リズム、高さ。L のダッシュ付きはその新しい変奏になる）。
                        形式は指定のまま
  --on PART             後の操作は PART（melody, bass, chords, drums）か all（全パート）
                        にはたらく。どれより前でもメロディーにはたらく
  --notes               MML の代わりに最後のフレーズの音を一行に一つ、タブ区切りで
                        書く: 番号、開始ティック、鳴るティック数、MIDI キー、
                        音名（C4 = 48）、ロック 0/1、パートがあればパート
  --chords-table        MML の代わりに和音を一小節一行で書く: 小節、開始ティック、
                        記号、根音のキー、キー
)");

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
      throw UsageError(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "--copy-section には 1:B や A:B のようにセクションと文字を指定してください（\"%1\" ではなく）"),
          {*copy}));
    operations.push_back({PhraseOperation::CopySection, {}, 0, "--copy-section " + *copy, copy->substr(0, colon),
                          copy->back()});
  } else if (auto part = args.TakeValue("--on")) {
    operations.push_back({PhraseOperation::On, {}, 0, *part});
  } else if (auto k = args.TakeValue("--mutate")) {
    const long long count = ParseInteger(*k, "--mutate");
    if (count < 0 || count > std::numeric_limits<int>::max())
      throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--mutate には 0 からの音の数を指定してください（%1 ではなく）"), {*k}));
    operations.push_back({PhraseOperation::Mutate, {}, static_cast<int>(count), "--mutate " + *k});
  } else {
    return false;
  }
  return true;
}

namespace {

// The sections the operation names; throws UsageError for none.
std::vector<size_t> SectionsNamed(const PhraseOperation& op, const GrooveSettings& groove) {
  if (groove.form.empty())
    throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1: --form がなければフレーズにセクションはありません"),
                                   {op.option}));
  const std::vector<size_t> found = FindSections(groove, op.section);
  if (found.empty())
    throw UsageError(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "%1: 形式 %2 にセクション %3 はありません（1～%4 か、形式にある名前で指定してください）"),
        {op.option, groove.form, op.section, std::to_string(FormSpans(groove).size())}));
  return found;
}

void ApplyOne(const PhraseOperation& op, Phrase& phrase, const GrooveSettings& groove, const Settings& settings,
              EngineState& state) {
  {
    switch (op.kind) {
      case PhraseOperation::Lock:
        for (const auto& [low, high] : op.ranges) {
          if (static_cast<size_t>(high) > phrase.Notes().size())
            throw UsageError(FormatMessage(
                QT_TRANSLATE_NOOP("Message", "%1: フレーズの音は %2 個で、%3 番の音はありません"),
                {op.option, std::to_string(phrase.Notes().size()),
                 std::to_string(std::max<size_t>(low, phrase.Notes().size() + 1))}));
          for (int n = low; n <= high; ++n) phrase.SetLocked(n, true);
        }
        break;
      case PhraseOperation::Reroll: phrase.Reroll(settings, state); break;
      case PhraseOperation::RerollRhythm:
        if (!phrase.Rewritable())
          throw UsageError(FormatMessage(
              QT_TRANSLATE_NOOP("Message", "%1: 引き直せるステップがあるのは作ったメロディーだけです（パート、続けたフレーズ、ティックが整数にならない音の長さでは引き直せません）"),
              {op.option}));
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
        throw UsageError(FormatMessage(
            QT_TRANSLATE_NOOP("Message", "--on %1: そのパートはありません（フレーズにあるのは %2、または all）"),
            {op.option, [&] {
               std::string list;
               for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
               return list;
             }()}));
      target = op.option;
      continue;
    }
    // The form shapes the melody alone: its sections' notes are the melody's.
    if (op.kind == PhraseOperation::RerollSection || op.kind == PhraseOperation::CopySection) {
      if (target != "melody" && target != "all")
        throw UsageError(FormatMessage(
            QT_TRANSLATE_NOOP("Message", "%1: セクションの音はメロディーのもので、%2 パートのものではありません"),
            {op.option, target}));
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
