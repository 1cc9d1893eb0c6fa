// The phrase as the plugin plays it: the first pass of the composed MML,
// performed by the compiler, as MIDI messages at ticks from the pass's
// start. Made on the worker's thread; the audio thread only reads it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine_state.h"
#include "ports.h"
#include "timeline.h"

namespace volemo::lv2 {

// What a phrase is made from: the settings ports, the seed and how many
// times its keys were redrawn. The same request gives the same phrase,
// and the same notes as volemo-cli phrase --seed S with those settings
// (and as many --reroll).
struct PhraseRequest {
  uint32_t seed = kDefaultSeed;      // the seed composing uses
  uint32_t portSeed = kDefaultSeed;  // the seed port's value when it was asked for
  int32_t rerolls = 0;
  std::array<int32_t, kSettingCount> settings{};
  uint64_t generation = 0;  // which request of the plugin's this answers

  // Equal in what they compose, whichever generation asked.
  bool SameMusic(const PhraseRequest& other) const {
    return seed == other.seed && portSeed == other.portSeed && rerolls == other.rerolls &&
           settings == other.settings;
  }
};

using timeline::LoopEvent;

// passTicks: steps times the step's ticks; events: note-ons and pitch bends.
struct LoopPhrase : timeline::LoopEvents {
  PhraseRequest request;
  std::string mml;  // CP932, as the window's box would hold it
};

struct SettingRange {
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t initial = 0;
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
  LoopPhrase Compose(const PhraseRequest& request) const;
  // The phrase a saved MML holds, played under the request's settings.
  // Throws EngineError with the compiler's message when it does not compile.
  LoopPhrase FromMml(const PhraseRequest& request, const std::string& mml) const;

 private:
  EngineState base_;
  int majorIndex_ = 0;
};

}  // namespace volemo::lv2
