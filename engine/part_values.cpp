#include "part_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <stdexcept>

#include "message_format.h"
#include "translatable.h"

#include "euclidean_rhythm.h"
#include "harmony.h"
#include "phrase_form.h"

namespace volemo {
namespace {

int Integer(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) throw std::invalid_argument(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "は整数で指定してください（\"%1\" は整数ではありません）"), {text}));
  return value;
}

// v, read from text, which a refusal shows as given.
int InRange(int v, const std::string& text, int low, int high) {
  if (v < low || v > high)
    throw std::invalid_argument(FormatMessage(QT_TRANSLATE_NOOP("Message", "は %1～%2 で指定してください（%3 は範囲外です）"),
                                              {std::to_string(low), std::to_string(high), text}));
  return v;
}

int InRange(const std::string& text, int low, int high) { return InRange(Integer(text), text, low, high); }

// "a,b,c": from required to most integers joined by commas.
std::vector<int> Integers(const std::string& text, size_t required, size_t most) {
  std::vector<int> values;
  for (size_t start = 0;;) {
    const size_t comma = text.find(',', start);
    values.push_back(Integer(text.substr(start, comma == std::string::npos ? comma : comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() < required || values.size() > most)
    throw std::invalid_argument(
        most > required
            ? FormatMessage(QT_TRANSLATE_NOOP("Message", "はコンマでつないだ %1～%2 個の整数で指定してください（%3 ではなく）"),
                            {std::to_string(required), std::to_string(most), text})
            : FormatMessage(QT_TRANSLATE_NOOP("Message", "はコンマでつないだ %1 個の整数で指定してください（%2 ではなく）"),
                            {std::to_string(required), text}));
  return values;
}

constexpr std::array<const char*, 5> kContours = {"free", "arch", "rising", "falling", "wave"};
constexpr std::array<const char*, 3> kCompings = {"whole", "halves", "accents"};

std::string Join(int a, int b, char between) { return std::to_string(a) + between + std::to_string(b); }

// "k,n" or "k,n,r": k onsets over n steps, rotated by r.
EuclidSteps ParseEuclid(const std::string& v) {
  const std::vector<int> e = Integers(v, 2, 3);
  if (e[1] < 1 || e[1] > 64)
    throw std::invalid_argument(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "は 1～64 ステップで指定してください（%1 ではなく）"), {std::to_string(e[1])}));
  if (e.size() > 2 && (e[2] < -100000 || e[2] > 100000))
    throw std::invalid_argument(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "は -100000～100000 の回転で指定してください（%1 ではなく）"), {std::to_string(e[2])}));
  EuclideanRhythm(e[0], e[1], 0);  // refuses what cannot be spread
  return EuclidSteps{e[0], e[1], e.size() > 2 ? e[2] : 0};
}

constexpr std::array<const char*, 4> kDrumNames = {"kick", "snare", "hat", "open-hat"};

// "kick:c,...;hat:c,...": sixteen chances for each instrument named, the
// others at their defaults. Spaces are ignored, an empty text is the
// defaults.
DrumWeights ParseDrumWeights(std::string text) {
  std::erase(text, ' ');
  DrumWeights weights = kDrumWeights;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find(';', start), text.size());
    const std::string row = text.substr(start, end - start);
    start = end + 1;
    if (row.empty()) continue;
    const size_t colon = row.find(':');
    const auto name = std::find(kDrumNames.begin(), kDrumNames.end(), row.substr(0, colon));
    if (colon == std::string::npos || name == kDrumNames.end())
      throw std::invalid_argument(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "は 楽器:確率,確率,…（楽器は kick, snare, hat, open-hat）をセミコロンで区切って指定してください（%1 ではなく）"),
          {row}));
    const std::string chances = row.substr(colon + 1);
    if (std::count(chances.begin(), chances.end(), ',') != 15)
      throw std::invalid_argument(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "の %1 は十六分ごとの 16 個の確率をコンマでつないで指定してください（%2 ではなく）"),
          {*name, chances}));
    const std::vector<int> values = Integers(chances, 16, 16);
    auto& own = weights[static_cast<size_t>(name - kDrumNames.begin())];
    for (size_t i = 0; i < own.size(); ++i) own[i] = InRange(values[i], std::to_string(values[i]), 0, 100);
  }
  return weights;
}

std::string DrumWeightsText(const DrumWeights& weights) {
  std::string text;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (weights[i] == kDrumWeights[i]) continue;
    text += (text.empty() ? "" : ";") + std::string(kDrumNames[i]) + ":";
    for (size_t s = 0; s < weights[i].size(); ++s) text += (s ? "," : "") + std::to_string(weights[i][s]);
  }
  return text;
}

std::string EuclidText(const std::optional<EuclidSteps>& e) {
  return e ? Join(e->onsets, e->steps, ',') + "," + std::to_string(e->rotation) : std::string();
}

// One setting: its name, its value as text (empty at the default), and how
// a text sets it.
struct Field {
  std::string name;
  std::function<std::string(const PartSettings&)> get;
  std::function<void(PartSettings&, const std::string&)> set;
};

// A part's channel, voice, keys, density, Euclidean rhythm and step
// probability, each a setting of its own; the keys of a part with pitches,
// the density of one that draws its hits.
void AddVoicingFields(std::vector<Field>& fields, const char* part, PartVoicing ArrangementSettings::* member,
                      const PartVoicing& usual, bool keyed, bool drawn) {
  const auto name = [part](const char* what) { return std::string(part) + "-" + what; };
  const auto of = [member](const PartSettings& s) -> const PartVoicing& { return s.arrangement.*member; };
  const auto to = [member](PartSettings& s) -> PartVoicing& { return s.arrangement.*member; };
  fields.push_back({name("channel"),
                    [=](const PartSettings& s) { return of(s).channel == usual.channel ? "" : std::to_string(of(s).channel); },
                    [=](PartSettings& s, const std::string& v) { to(s).channel = InRange(v, 1, 16); }});
  fields.push_back({name("voice"),
                    [=](const PartSettings& s) { return of(s).voice == usual.voice ? "" : std::to_string(of(s).voice); },
                    [=](PartSettings& s, const std::string& v) { to(s).voice = InRange(v, 0, 128); }});
  if (keyed)
    fields.push_back({name("range"),
                      [=](const PartSettings& s) {
                        return of(s).low == usual.low && of(s).high == usual.high ? ""
                                                                                   : Join(of(s).low, of(s).high, '-');
                      },
                      [=](PartSettings& s, const std::string& v) {
                        const size_t dash = v.find('-', 1);
                        const int low = dash == std::string::npos ? -1 : Integer(v.substr(0, dash));
                        const int high = dash == std::string::npos ? -1 : Integer(v.substr(dash + 1));
                        if (low < 0 || high > 127 || high - low < kLeastPartRange - 1)
                          throw std::invalid_argument(FormatMessage(
                              QT_TRANSLATE_NOOP("Message", "は LOW-HIGH（0～127 のキーで一オクターブ以上離す）で指定してください（%1 ではなく）"),
                              {v}));
                        to(s).low = low;
                        to(s).high = high;
                      }});
  if (drawn)
    fields.push_back({name("density"),
                    [=](const PartSettings& s) { return of(s).density == usual.density ? "" : std::to_string(of(s).density); },
                    [=](PartSettings& s, const std::string& v) { to(s).density = InRange(v, 0, 400); }});
  fields.push_back({name("euclid"), [=](const PartSettings& s) { return EuclidText(of(s).euclid); },
                    [=](PartSettings& s, const std::string& v) { to(s).euclid = ParseEuclid(v); }});
  fields.push_back({name("step-probability"),
                    [=](const PartSettings& s) {
                      return of(s).stepProbability == 100 ? "" : std::to_string(of(s).stepProbability);
                    },
                    [=](PartSettings& s, const std::string& v) { to(s).stepProbability = InRange(v, 0, 100); }});
}

const std::vector<Field>& Fields() {
  static const std::vector<Field> fields = [] {
    std::vector<Field> f;
    // The line.
    const auto lineInt = [&f](const char* name, int LineSettings::* member, int low, int high) {
      f.push_back({name,
                   [=](const PartSettings& s) {
                     const int v = s.arrangement.line.*member;
                     return v == LineSettings{}.*member ? std::string() : std::to_string(v);
                   },
                   [=](PartSettings& s, const std::string& v) { s.arrangement.line.*member = InRange(v, low, high); }});
    };
    lineInt("smoothness", &LineSettings::smoothness, 0, 100);
    lineInt("max-leap", &LineSettings::maxLeap, 1, 127);
    lineInt("turn-back", &LineSettings::turnBack, 0, 100);
    lineInt("cadence", &LineSettings::cadence, 0, 100);
    f.push_back({"contour",
                 [](const PartSettings& s) {
                   const Contour c = s.arrangement.line.contour;
                   return c == Contour::Free ? std::string() : kContours[static_cast<size_t>(c)];
                 },
                 [](PartSettings& s, const std::string& v) {
                   const std::optional<Contour> c = ContourNamed(v);
                   if (!c)
                     throw std::invalid_argument(FormatMessage(
                         QT_TRANSLATE_NOOP("Message", "は free, arch, rising, falling か wave で指定してください（%1 ではなく）"), {v}));
                   s.arrangement.line.contour = *c;
                 }});
    lineInt("chord-pull", &LineSettings::chordPull, 0, 100);
    // The parts and their chords.
    f.push_back({"parts",
                 [](const PartSettings& s) {
                   const ArrangementSettings& a = s.arrangement;
                   std::string list;
                   for (const auto& [on, name] : {std::pair{a.bass, "bass"}, {a.chords, "chords"}, {a.drums, "drums"}})
                     if (on) list += (list.empty() ? "" : ",") + std::string(name);
                   return list;
                 },
                 [](PartSettings& s, const std::string& v) {
                   ArrangementSettings& a = s.arrangement;
                   a.bass = a.chords = a.drums = false;
                   for (size_t at = 0; at <= v.size();) {
                     const size_t end = std::min(v.find(',', at), v.size());
                     const std::string part = v.substr(at, end - at);
                     if (part == "bass") a.bass = true;
                     else if (part == "chords") a.chords = true;
                     else if (part == "drums") a.drums = true;
                     else if (part != "melody" && !(part.empty() && v.empty()))
                       throw std::invalid_argument(FormatMessage(
                           QT_TRANSLATE_NOOP("Message", "は melody, bass, chords, drums をコンマで区切って指定してください（%1 ではなく）"),
                           {v}));
                     at = end + 1;
                   }
                 }});
    f.push_back({"chords", [](const PartSettings& s) { return s.arrangement.progression; },
                 [](PartSettings& s, const std::string& v) {
                   if (!v.empty())
                     if (const std::string error = ProgressionError(v); !error.empty())
                       throw std::invalid_argument(error);
                   s.arrangement.progression = v;
                 }});
    f.push_back({"comping",
                 [](const PartSettings& s) {
                   const Comping c = s.arrangement.comping;
                   return c == Comping::Halves ? std::string() : kCompings[static_cast<size_t>(c)];
                 },
                 [](PartSettings& s, const std::string& v) {
                   for (size_t i = 0; i < kCompings.size(); ++i)
                     if (v == kCompings[i]) return void(s.arrangement.comping = static_cast<Comping>(i));
                   throw std::invalid_argument(
                       FormatMessage(QT_TRANSLATE_NOOP("Message", "は whole, halves か accents で指定してください（%1 ではなく）"), {v}));
                 }});
    AddVoicingFields(f, "bass", &ArrangementSettings::bassVoicing, kBassVoicing, true, true);
    AddVoicingFields(f, "chords", &ArrangementSettings::chordVoicing, kChordVoicing, true, false);
    AddVoicingFields(f, "drums", &ArrangementSettings::drumVoicing, kDrumVoicing, false, true);
    f.push_back({"drums-weights", [](const PartSettings& s) { return DrumWeightsText(s.arrangement.drumWeights); },
                 [](PartSettings& s, const std::string& v) { s.arrangement.drumWeights = ParseDrumWeights(v); }});
    // The groove, meter and form.
    const auto grooveInt = [&f](const char* name, int GrooveSettings::* member, int low, int high) {
      f.push_back({name,
                   [=](const PartSettings& s) {
                     const int v = s.groove.*member;
                     return v == GrooveSettings{}.*member ? std::string() : std::to_string(v);
                   },
                   [=](PartSettings& s, const std::string& v) { s.groove.*member = InRange(v, low, high); }});
    };
    f.push_back({"euclid",
                 [](const PartSettings& s) { return EuclidText(s.groove.euclid); },
                 [](PartSettings& s, const std::string& v) { s.groove.euclid = ParseEuclid(v); }});
    grooveInt("step-probability", &GrooveSettings::stepProbability, 0, 100);
    grooveInt("swing", &GrooveSettings::swing, 50, 75);
    f.push_back({"swing-grid",
                 [](const PartSettings& s) { return s.groove.swingGrid == 16 ? std::string() : std::to_string(s.groove.swingGrid); },
                 [](PartSettings& s, const std::string& v) {
                   const int grid = Integer(v);
                   if (grid != 8 && grid != 16)
                     throw std::invalid_argument(
                         FormatMessage(QT_TRANSLATE_NOOP("Message", "は 8 か 16 で指定してください（%1 ではなく）"), {v}));
                   s.groove.swingGrid = grid;
                 }});
    grooveInt("humanize-time", &GrooveSettings::humanizeTime, 0, 240);
    grooveInt("humanize-velocity", &GrooveSettings::humanizeVelocity, 0, 127);
    f.push_back({"accent",
                 [](const PartSettings& s) {
                   const GrooveSettings& g = s.groove;
                   return g.beatAccent == 0 && g.barAccent == 0 ? std::string() : Join(g.beatAccent, g.barAccent, ',');
                 },
                 [](PartSettings& s, const std::string& v) {
                   const std::vector<int> a = Integers(v, 1, 2);
                   for (int amount : a)
                     if (amount < 0 || amount > 127)
                       throw std::invalid_argument(
                           FormatMessage(QT_TRANSLATE_NOOP("Message", "は 0～127 の量で指定してください（%1 ではなく）"), {v}));
                   s.groove.beatAccent = a[0];
                   s.groove.barAccent = a.back();
                 }});
    f.push_back({"meter",
                 [](const PartSettings& s) {
                   const auto& m = s.groove.meter;
                   return m ? Join(m->numerator, m->denominator, '/') : std::string();
                 },
                 [](PartSettings& s, const std::string& v) { s.groove.meter = ParseMeter(v); }});
    f.push_back({"beats",
                 [](const PartSettings& s) {
                   const auto& m = s.groove.meter;
                   return m && m->beats != ParseMeter(Join(m->numerator, m->denominator, '/')).beats ? BeatsText(m->beats)
                                                                                                    : std::string();
                 },
                 [](PartSettings& s, const std::string& v) {
                   Meter meter = s.groove.meter.value_or(Meter{});
                   meter.beats = ParseBeats(v, meter);
                   s.groove.meter = meter;
                 }});
    f.push_back({"form", [](const PartSettings& s) { return s.groove.form; },
                 [](PartSettings& s, const std::string& v) {
                   if (!v.empty()) ParseForm(v);
                   s.groove.form = v;
                 }});
    grooveInt("section-bars", &GrooveSettings::sectionBars, 1, 64);
    grooveInt("variation", &GrooveSettings::variation, 0, 999);
    return f;
  }();
  return fields;
}

const Field* Find(std::string_view name) {
  for (const Field& f : Fields())
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace

ControlValues PartValues(const PartSettings& settings) {
  ControlValues values;
  for (const Field& f : Fields())
    if (std::string v = f.get(settings); !v.empty()) values.emplace_back(f.name, std::move(v));
  return values;
}

bool IsPartValue(std::string_view name) { return Find(name) != nullptr; }

const std::vector<std::string>& PartValueNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const Field& f : Fields()) all.push_back(f.name);
    return all;
  }();
  return names;
}

void SetPartValue(PartSettings& settings, std::string_view name, const std::string& value) {
  const Field* f = Find(name);
  if (!f) throw std::invalid_argument(QT_TRANSLATE_NOOP("Message", "はメロディーの線、パート、グルーヴの設定ではありません"));
  f->set(settings, value);
}

PartSettings ReadPartValues(const ControlValues& values, const std::function<void(const std::string&)>& onBad) {
  PartSettings settings;
  for (bool beats : {false, true})
    for (const auto& [name, value] : values)
      if ((name == "beats") == beats && IsPartValue(name)) {
        try {
          SetPartValue(settings, name, value);
        } catch (const std::invalid_argument& e) {
          const std::string reason = name + " " + e.what();
          if (!onBad) throw std::invalid_argument(reason);
          onBad(reason);
        }
      }
  return settings;
}

}  // namespace volemo
