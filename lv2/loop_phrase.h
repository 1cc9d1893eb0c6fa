// The phrase as the plugin plays it: the first pass of the composed MML,
// performed by the compiler, as MIDI messages at ticks from the pass's
// start. Made on the worker's thread; the audio thread only reads it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine_state.h"
#include "part_ports.h"
#include "ports.h"
#include "timeline.h"

namespace volemo::lv2 {

// What a phrase is made from: the settings and part ports, the seed and
// how many times its melody's keys were redrawn. The same request gives
// the same phrase, and the same notes as volemo-cli phrase --seed S with
// those settings and options (and as many --reroll).
struct PhraseRequest {
  uint32_t seed = kDefaultSeed;      // the seed composing uses
  uint32_t portSeed = kDefaultSeed;  // the seed port's value when it was asked for
  int32_t rerolls = 0;
  std::array<int32_t, kSettingCount> settings{};
  PartPortValues parts{};
  uint64_t generation = 0;  // which request of the plugin's this answers

  // Equal in what they compose, whichever generation asked.
  bool SameMusic(const PhraseRequest& other) const {
    return seed == other.seed && portSeed == other.portSeed && rerolls == other.rerolls &&
           settings == other.settings && parts == other.parts;
  }
};

using timeline::LoopEvent;

// passTicks: the melody's body (under a form, the whole form); events:
// note-ons and pitch bends of every part.
struct LoopPhrase : timeline::LoopEvents {
  PhraseRequest request;
  std::string mml;  // CP932, as the window's box would hold it
};

// Composes over the scale list read once from the scale file.
class PhraseMaker {
 public:
  // Throws EngineError when the file cannot be read or holds no scales.
  explicit PhraseMaker(const std::string& scaleFile);

  // The setting port's range and default: its window control's, the scale
  // list's from the file (the default being "Major", as at start-up).
  SettingRange Range(uint32_t setting) const;
  PhraseRequest DefaultRequest() const;
  const std::vector<std::string>& ScaleNames() const { return base_.scaleNames; }  // CP932

  // Settings outside their port's range are taken at the nearest end.
  // Throws std::invalid_argument for part settings that cannot go
  // together (more Euclidean onsets than steps, sections of no whole
  // steps), EngineError when the MML does not compile.
  LoopPhrase Compose(const PhraseRequest& request) const;
  // The phrase a saved MML holds, a pass passTicks long (0: the steps of
  // the request's settings, as before part settings were saved). Throws
  // EngineError with the compiler's message when it does not compile.
  LoopPhrase FromMml(const PhraseRequest& request, const std::string& mml, int64_t passTicks) const;

 private:
  EngineState base_;
  int majorIndex_ = 0;
};

}  // namespace volemo::lv2
