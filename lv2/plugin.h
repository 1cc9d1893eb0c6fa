// The plugin instance: what its LV2 entry points share.
#pragma once

#include <lv2/atom/atom.h>
#include <lv2/log/logger.h>
#include <lv2/urid/urid.h>
#include <lv2/worker/worker.h>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "loop_phrase.h"
#include "timeline.h"

namespace volemo::lv2 {

using timeline::LoopEvents;
using timeline::MidiSink;
using timeline::Timeline;
using timeline::TransportReport;

// The timeline holds the plugin's phrases only.
inline const LoopPhrase* PhraseOf(const LoopEvents* events) { return static_cast<const LoopPhrase*>(events); }

struct Urids {
  LV2_URID atomBlank, atomObject, atomSequence, atomString, atomInt, atomLong, atomFloat, atomDouble;
  LV2_URID midiEvent;
  LV2_URID timePosition, timeBar, timeBarBeat, timeBeatsPerMinute, timeBeatsPerBar, timeBeatUnit, timeSpeed,
      timeFrame;
  LV2_URID stateMml, stateSeed, statePortSeed, stateRerolls, stateSettings, statePassTicks;

  explicit Urids(LV2_URID_Map* map);
};

// The worker's messages, copied through the host's queue.
struct WorkMessage {
  enum Kind : uint32_t { Compose, Free } kind;
  PhraseRequest request;         // Compose
  const LoopEvents* phrase;      // Free
};
struct WorkAnswer {
  LoopPhrase* phrase;  // null when composing failed
};

struct Plugin {
  Plugin(double sampleRate, const LV2_Feature* const* features, const std::string& bundlePath);

  // Audio thread.
  void Run(uint32_t frames);
  void Answer(const WorkAnswer& answer);
  // Any thread but the audio thread; the lock keeps a phrase alive while
  // state is saved from it.
  void Delete(const LoopEvents* phrase);

  Urids urids;
  LV2_Worker_Schedule* schedule;
  LV2_Log_Logger logger{};
  std::unique_ptr<PhraseMaker> maker;

  const LV2_Atom_Sequence* controlIn = nullptr;
  LV2_Atom_Sequence* midiOut = nullptr;
  std::array<const float*, kPortCount> controls{};  // control input ports by index
  float* seedInUse = nullptr;

  Timeline timeline;
  PhraseRequest requested;  // the newest phrase asked for
  bool unsent = false;      // requested has not gone to the worker yet
  bool composing = false;   // a request is with the worker
  float lastNewPhrase = 0, lastReroll = 0;
  // The controls as the last block read them; restoring state clears
  // controlsSeen so that the next block reads them all.
  std::array<float, kPortCount> seen{};
  bool controlsSeen = false;
  // Phrases the timeline let go that could not yet be handed to the worker.
  std::array<const LoopEvents*, 8> toFree{};

  std::mutex phrasesLock;
  std::atomic<const LoopPhrase*> latest{nullptr};  // what state saves

 private:
  bool ControlsMoved();
  void ReadControls();
  void Ask();
  void Free(const LoopEvents* phrase);
};

}  // namespace volemo::lv2
