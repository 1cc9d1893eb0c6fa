// The plugin's ports, in index order. The Turtle description is written
// from this table at build time and the plugin reads its controls by it,
// so the two cannot disagree on an index, a symbol or a range.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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
constexpr uint32_t kPortCount = kSeedInUse + 1;

// Control ports carry floats: the seed stays below 2^24 so that every
// value is exact.
constexpr uint32_t kMaxPortSeed = (1u << 24) - 1;
constexpr uint32_t kDefaultSeed = 1;

}  // namespace volemo::lv2
