// The plugin's ports, in index order. The Turtle description is written
// from this table at build time and the plugin reads its controls by it,
// so the two cannot disagree on an index, a symbol or a range.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "meter.h"

namespace volemo::lv2 {

constexpr std::string_view kPluginUri = "http://volemo.org/lv2/phrase";

enum PortIndex : uint32_t {
  kControlIn = 0,  // atom sequence: time:Position from the host
  kMidiOut = 1,    // atom sequence: MIDI events
  kSeed = 2,
  kFirstSetting = 3,
};

// A setting port stands for one of the window's controls: its range and
// default are that control's (controls.h); the scale list's come from the
// scale file.
struct SettingPort {
  std::string_view symbol;
  std::string_view name;
  std::string_view control;  // the window's control name
  std::string_view unit;     // a units: term, or empty
};

// cmbScale and cmbKey come first: picking either re-applies the scale, as
// in the window, before the other controls are set.
constexpr std::array kSettingPorts = {
    SettingPort{"scale", "Scale", "cmbScale", ""},
    SettingPort{"key", "Key", "cmbKey", ""},
    SettingPort{"low_octave", "Lowest octave", "spnOct1", ""},
    SettingPort{"low_note", "Lowest note", "cmbOct1", ""},
    SettingPort{"high_octave", "Highest octave", "spnOct2", ""},
    SettingPort{"high_note", "Highest note", "cmbOct2", ""},
    SettingPort{"steps", "Steps", "spnCount", ""},
    SettingPort{"note_length", "Note length (1/n)", "spnL", ""},
    SettingPort{"velocity", "Velocity", "spnV", ""},
    SettingPort{"gate", "Gate", "scrGateN", "pc"},
    SettingPort{"muted_gate", "Muted gate", "scrGateM", "pc"},
    SettingPort{"mute_rate", "Mute rate", "scrMuteRate", "pc"},
    SettingPort{"weight_note", "Weight N (note)", "scrP0", ""},
    SettingPort{"weight_rest", "Weight r (rest)", "scrP1", ""},
    SettingPort{"weight_tie", "Weight ^ (tie)", "scrP2", ""},
    SettingPort{"weight_muted", "Weight m (muted note)", "scrP3", ""},
    SettingPort{"weight_double", "Weight d (double)", "scrP4", ""},
    SettingPort{"weight_chord", "Weight W (chord)", "scrP5", ""},
    SettingPort{"weight_bend", "Weight B (bend)", "scrP6", ""},
    SettingPort{"pattern_length", "Pattern length", "spnPatternCount", ""},
    SettingPort{"channel", "MIDI channel", "spnCH", ""},
};
constexpr uint32_t kSettingCount = kSettingPorts.size();

constexpr uint32_t kNewPhrase = kFirstSetting + kSettingCount;  // trigger: the next seed
constexpr uint32_t kReroll = kNewPhrase + 1;                     // trigger: redraw the keys
constexpr uint32_t kSeedInUse = kReroll + 1;                     // output: the phrase's seed

// A part port stands for one of the line, parts, groove, meter and form
// settings: volemo-cli's option of that name (part_values.h), whose text
// the port's value makes. Ports of one option stand side by side and
// their texts are joined by commas (--euclid K,N,R, --accent B,A,
// --parts bass,drums); an empty text leaves the option out.
enum class PartKind : uint8_t {
  Number,        // the value itself
  NumberOrNone,  // the value; 0 leaves the option out
  Choice,        // the value picks one of choices
  NoneOrChoice,  // 0 leaves the option out, n picks choices[n - 1]
  Progression,   // 0: none, 1: "random", then the table's progressions as written
  Word,          // a toggle: word when on
  Gate,          // a toggle: off leaves the option out
};

struct PartPort {
  std::string_view symbol;
  std::string_view name;
  std::string_view option;  // volemo-cli's option without its dashes
  PartKind kind;
  int32_t minimum, maximum, initial;  // the lists' kinds: maximum from the list
  std::string_view unit = {};         // a units: term, or empty
  std::span<const std::string_view> choices = {};  // the lists' kinds; Word: its word
};

// The window's lists, in the window's order.
constexpr std::string_view kContourChoices[] = {"free", "arch", "rising", "falling", "wave"};
constexpr std::string_view kCompingChoices[] = {"whole", "halves", "accents"};
constexpr std::string_view kSwingGridChoices[] = {"16", "8"};
// The window takes any form; a port offers the common ones.
constexpr std::string_view kFormChoices[] = {"AB", "AA'", "ABA", "AABA", "AA'BA'", "ABAB", "ABAC", "AABB"};
constexpr std::string_view kBassWord[] = {"bass"};
constexpr std::string_view kChordsWord[] = {"chords"};
constexpr std::string_view kDrumsWord[] = {"drums"};

// Defaults and ranges are the window's panels'.
constexpr std::array kPartPorts = {
    PartPort{"smoothness", "Line: smoothness", "smoothness", PartKind::Number, 0, 100, 0},
    PartPort{"max_leap", "Line: largest leap (0: no limit)", "max-leap", PartKind::NumberOrNone, 0, 127, 0,
             "semitone12TET"},
    PartPort{"turn_back", "Line: step back after a leap", "turn-back", PartKind::Number, 0, 100, 0, "pc"},
    PartPort{"cadence", "Line: cadence", "cadence", PartKind::Number, 0, 100, 0, "pc"},
    PartPort{"contour", "Line: contour", "contour", PartKind::Choice, 0, 0, 0, {}, kContourChoices},
    PartPort{"chord_pull", "Line: pull to the chord", "chord-pull", PartKind::Number, 0, 100, 0, "pc"},
    PartPort{"progression", "Chord progression", "chords", PartKind::Progression, 0, 0, 0},
    PartPort{"comping", "Chord part's rhythm", "comping", PartKind::Choice, 0, 0, 1, {}, kCompingChoices},
    PartPort{"bass", "Bass part", "parts", PartKind::Word, 0, 1, 0, {}, kBassWord},
    PartPort{"chords", "Chord part", "parts", PartKind::Word, 0, 1, 0, {}, kChordsWord},
    PartPort{"drums", "Drum part", "parts", PartKind::Word, 0, 1, 0, {}, kDrumsWord},
    PartPort{"bass_channel", "Bass channel", "bass-channel", PartKind::Number, 1, 16, 2},
    PartPort{"chords_channel", "Chord channel", "chords-channel", PartKind::Number, 1, 16, 3},
    PartPort{"drums_channel", "Drum channel", "drums-channel", PartKind::Number, 1, 16, 10},
    PartPort{"bass_density", "Bass density", "bass-density", PartKind::Number, 0, 400, 100, "pc"},
    PartPort{"drums_density", "Drum density", "drums-density", PartKind::Number, 0, 400, 100, "pc"},
    PartPort{"euclid", "Euclidean pattern", "euclid", PartKind::Gate, 0, 1, 0},
    PartPort{"euclid_onsets", "Euclid: onsets", "euclid", PartKind::Number, 0, 64, 4},
    PartPort{"euclid_steps", "Euclid: steps", "euclid", PartKind::Number, 1, 64, 16},
    PartPort{"euclid_rotation", "Euclid: rotation", "euclid", PartKind::Number, 0, 63, 0},
    PartPort{"step_probability", "Step probability", "step-probability", PartKind::Number, 0, 100, 100, "pc"},
    PartPort{"swing", "Swing", "swing", PartKind::Number, 50, 75, 50, "pc"},
    PartPort{"swing_grid", "Swing grid (1/n)", "swing-grid", PartKind::Choice, 0, 0, 0, {}, kSwingGridChoices},
    PartPort{"humanize_time", "Humanize time (ticks)", "humanize-time", PartKind::Number, 0, 240, 0},
    PartPort{"humanize_velocity", "Humanize velocity", "humanize-velocity", PartKind::Number, 0, 127, 0},
    PartPort{"beat_accent", "Beat accent", "accent", PartKind::Number, 0, 127, 0},
    PartPort{"bar_accent", "Bar accent", "accent", PartKind::Number, 0, 127, 0},
    PartPort{"meter", "Meter", "meter", PartKind::NoneOrChoice, 0, 0, 0, {}, kCommonMeters},
    PartPort{"form", "Form", "form", PartKind::NoneOrChoice, 0, 0, 0, {}, kFormChoices},
    PartPort{"section_bars", "Section length", "section-bars", PartKind::Number, 1, 64, 2, "bar"},
    PartPort{"variation", "Notes varied in a primed section", "variation", PartKind::Number, 0, 999, 0},
};
constexpr uint32_t kPartPortCount = kPartPorts.size();

// The control ports in groups, as a host may show them: the first
// version's, then the part ports, each group from its first port on. The
// symbols are in alphabetical order, which is the order jalv shows groups in.
struct PortGroup {
  std::string_view symbol;
  std::string_view label;
  std::string_view firstPort;
};
constexpr PortGroup kPortGroups[] = {
    {"controls", "Phrase", "seed"},
    {"line", "Line", "smoothness"},
    {"parts", "Chords and parts", "progression"},
    {"rhythm", "Groove", "euclid"},
    {"sections", "Meter and form", "meter"},
};
constexpr PortGroup kPartGroups[] = {
    {"line", "Line", "smoothness"},
    {"parts", "Chords and parts", "progression"},
    {"rhythm", "Groove", "euclid"},
    {"sections", "Meter and form", "meter"},
};

// After the ports of the first version, whose indexes stay.
constexpr uint32_t kFirstPartPort = kSeedInUse + 1;
constexpr uint32_t kPortCount = kFirstPartPort + kPartPortCount;

struct SettingRange {
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t initial = 0;
};

// Control ports carry floats: the seed stays below 2^24 so that every
// value is exact.
constexpr uint32_t kMaxPortSeed = (1u << 24) - 1;
constexpr uint32_t kDefaultSeed = 1;

}  // namespace volemo::lv2
