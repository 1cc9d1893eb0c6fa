// The LV2 entry points and the audio thread's side of the plugin.
#include "plugin.h"

#include <lv2/atom/util.h>
#include <lv2/core/lv2.h>
#include <lv2/core/lv2_util.h>
#include <lv2/midi/midi.h>
#include <lv2/state/state.h>
#include <lv2/time/time.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

#include "plugin_extensions.h"

namespace volemo::lv2 {
namespace {

class AtomSink final : public MidiSink {
 public:
  AtomSink(LV2_Atom_Sequence* sequence, const Urids& urids)
      : sequence_(sequence), capacity_(sequence->atom.size), midiEvent_(urids.midiEvent) {
    lv2_atom_sequence_clear(sequence);
    sequence->atom.type = urids.atomSequence;
  }

  bool Write(uint32_t frame, const std::array<uint8_t, 3>& message, uint8_t size) override {
    struct {
      LV2_Atom_Event event;
      uint8_t body[3];
    } e{};
    e.event.time.frames = frame;
    e.event.body.type = midiEvent_;
    e.event.body.size = std::min<uint8_t>(size, 3);
    std::memcpy(e.body, message.data(), e.event.body.size);
    return lv2_atom_sequence_append_event(sequence_, capacity_, &e.event) != nullptr;
  }

 private:
  LV2_Atom_Sequence* sequence_;
  const uint32_t capacity_;
  const LV2_URID midiEvent_;
};

std::optional<double> Number(const LV2_Atom* atom, const Urids& u) {
  if (!atom) return std::nullopt;
  if (atom->type == u.atomInt) return reinterpret_cast<const LV2_Atom_Int*>(atom)->body;
  if (atom->type == u.atomLong) return static_cast<double>(reinterpret_cast<const LV2_Atom_Long*>(atom)->body);
  if (atom->type == u.atomFloat) return reinterpret_cast<const LV2_Atom_Float*>(atom)->body;
  if (atom->type == u.atomDouble) return reinterpret_cast<const LV2_Atom_Double*>(atom)->body;
  return std::nullopt;
}

template <typename T>
std::optional<T> As(const std::optional<double>& v) {
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return static_cast<T>(*v);
}

TransportReport ReadPosition(const LV2_Atom_Object* position, const Urids& u) {
  const LV2_Atom *bar = nullptr, *barBeat = nullptr, *bpm = nullptr, *bpb = nullptr, *unit = nullptr,
                 *speed = nullptr, *frame = nullptr;
  lv2_atom_object_get(position, u.timeBar, &bar, u.timeBarBeat, &barBeat, u.timeBeatsPerMinute, &bpm,
                      u.timeBeatsPerBar, &bpb, u.timeBeatUnit, &unit, u.timeSpeed, &speed, u.timeFrame, &frame,
                      0);
  TransportReport report;
  report.bar = As<int64_t>(Number(bar, u));
  report.barBeat = As<double>(Number(barBeat, u));
  report.beatsPerMinute = As<double>(Number(bpm, u));
  report.beatsPerBar = As<double>(Number(bpb, u));
  report.beatUnit = As<int32_t>(Number(unit, u));
  report.speed = As<double>(Number(speed, u));
  report.frame = As<int64_t>(Number(frame, u));
  return report;
}

// A control's value as an integer; a port the host did not connect, or a
// value that is not a number, keeps what was there.
int32_t PortInteger(const float* port, int32_t otherwise) {
  if (!port || !std::isfinite(*port)) return otherwise;
  return static_cast<int32_t>(std::lrint(std::clamp(*port, -1e9f, 1e9f)));
}

}  // namespace

Urids::Urids(LV2_URID_Map* map) {
  const auto m = [map](const char* uri) { return map->map(map->handle, uri); };
  atomBlank = m(LV2_ATOM__Blank);
  atomObject = m(LV2_ATOM__Object);
  atomSequence = m(LV2_ATOM__Sequence);
  atomString = m(LV2_ATOM__String);
  atomInt = m(LV2_ATOM__Int);
  atomLong = m(LV2_ATOM__Long);
  atomFloat = m(LV2_ATOM__Float);
  atomDouble = m(LV2_ATOM__Double);
  midiEvent = m(LV2_MIDI__MidiEvent);
  timePosition = m(LV2_TIME__Position);
  timeBar = m(LV2_TIME__bar);
  timeBarBeat = m(LV2_TIME__barBeat);
  timeBeatsPerMinute = m(LV2_TIME__beatsPerMinute);
  timeBeatsPerBar = m(LV2_TIME__beatsPerBar);
  timeBeatUnit = m(LV2_TIME__beatUnit);
  timeSpeed = m(LV2_TIME__speed);
  timeFrame = m(LV2_TIME__frame);
  const std::string plugin(kPluginUri);
  stateMml = m((plugin + "#mml").c_str());
  stateSeed = m((plugin + "#seed").c_str());
  statePortSeed = m((plugin + "#portSeed").c_str());
  stateRerolls = m((plugin + "#rerolls").c_str());
  stateSettings = m((plugin + "#settings").c_str());
  statePassTicks = m((plugin + "#passTicks").c_str());
}

namespace {

LV2_URID_Map* RequireMap(const LV2_Feature* const* features) {
  auto* map = static_cast<LV2_URID_Map*>(lv2_features_data(features, LV2_URID__map));
  if (!map) throw std::runtime_error("the host gives no urid:map");
  return map;
}

}  // namespace

Plugin::Plugin(double sampleRate, const LV2_Feature* const* features, const std::string& bundlePath)
    : urids(RequireMap(features)),
      schedule(static_cast<LV2_Worker_Schedule*>(lv2_features_data(features, LV2_WORKER__schedule))),
      timeline(sampleRate) {
  lv2_log_logger_init(&logger, static_cast<LV2_URID_Map*>(lv2_features_data(features, LV2_URID__map)),
                      static_cast<LV2_Log_Log*>(lv2_features_data(features, LV2_LOG__log)));
  if (!schedule) throw std::runtime_error("the host gives no worker (work:schedule)");
  maker = std::make_unique<PhraseMaker>(bundlePath + "Scale.dat");
  // The defaults' phrase is there before the first block, so a host that
  // leaves the controls alone plays from its first bar.
  requested = maker->DefaultRequest();
  const LoopPhrase* first = new LoopPhrase(maker->Compose(requested));
  timeline.Replace(first);
  latest = first;
}

bool Plugin::ControlsMoved() {
  bool moved = !controlsSeen;
  for (uint32_t i = kSeed; i < kPortCount; ++i) {
    const float value = controls[i] ? *controls[i] : 0;
    // Bit for bit: a NaN counts as moved.
    if (std::memcmp(&value, &seen[i], sizeof value) != 0) moved = true;
    seen[i] = value;
  }
  controlsSeen = true;
  return moved;
}

void Plugin::ReadControls() {
  PhraseRequest want = requested;
  const int32_t portSeed =
      std::clamp<int32_t>(PortInteger(controls[kSeed], static_cast<int32_t>(requested.portSeed)), 0, kMaxPortSeed);
  if (static_cast<uint32_t>(portSeed) != requested.portSeed) {
    want.portSeed = want.seed = static_cast<uint32_t>(portSeed);
    want.rerolls = 0;
  }
  for (uint32_t i = 0; i < kSettingCount; ++i)
    want.settings[i] = PortInteger(controls[kFirstSetting + i], requested.settings[i]);
  for (uint32_t i = 0; i < kPartPortCount; ++i)
    want.parts[i] = PortInteger(controls[kFirstPartPort + i], requested.parts[i]);
  const float newPhrase = controls[kNewPhrase] ? *controls[kNewPhrase] : 0;
  if (newPhrase > 0 && lastNewPhrase <= 0) {
    want.seed = (want.seed + 1) & kMaxPortSeed;
    want.rerolls = 0;
  }
  lastNewPhrase = newPhrase;
  const float reroll = controls[kReroll] ? *controls[kReroll] : 0;
  if (reroll > 0 && lastReroll <= 0) ++want.rerolls;
  lastReroll = reroll;
  if (!want.SameMusic(requested)) {
    want.generation = requested.generation + 1;
    requested = want;
    unsent = true;
  }
}

void Plugin::Ask() {
  if (!unsent || composing) return;
  const WorkMessage message{WorkMessage::Compose, requested, nullptr};
  if (schedule->schedule_work(schedule->handle, sizeof message, &message) == LV2_WORKER_SUCCESS) {
    composing = true;
    unsent = false;
  }
}

void Plugin::Free(const LoopEvents* phrase) {
  if (!phrase) return;
  const WorkMessage message{WorkMessage::Free, {}, phrase};
  if (schedule->schedule_work(schedule->handle, sizeof message, &message) == LV2_WORKER_SUCCESS) return;
  for (const LoopEvents*& slot : toFree) {
    if (!slot) {
      slot = phrase;
      return;
    }
  }
}

void Plugin::Answer(const WorkAnswer& answer) {
  composing = false;
  if (answer.phrase && answer.phrase->request.generation == requested.generation) {
    const LoopEvents* waiting = timeline.Queue(answer.phrase);
    latest = PhraseOf(timeline.Latest());
    Free(waiting);
  } else {
    Free(answer.phrase);
  }
  Ask();
}

void Plugin::Delete(const LoopEvents* phrase) {
  const std::lock_guard<std::mutex> hold(phrasesLock);
  delete phrase;
}

void Plugin::Run(uint32_t frames) {
  for (const LoopEvents*& slot : toFree) Free(std::exchange(slot, nullptr));
  if (ControlsMoved()) ReadControls();
  Ask();

  AtomSink sink(midiOut, urids);
  uint32_t at = 0;
  LV2_ATOM_SEQUENCE_FOREACH(controlIn, event) {
    if (event->body.type != urids.atomObject && event->body.type != urids.atomBlank) continue;
    const auto* object = reinterpret_cast<const LV2_Atom_Object*>(&event->body);
    if (object->body.otype != urids.timePosition) continue;
    const uint32_t frame = static_cast<uint32_t>(std::clamp<int64_t>(event->time.frames, at, frames));
    timeline.Play(at, frame, sink);
    timeline.Report(frame, ReadPosition(object, urids), sink);
    at = frame;
  }
  timeline.Play(at, frames, sink);
  timeline.EndBlock(frames);
  if (const LoopEvents* replaced = timeline.TakeRetired()) {
    latest = PhraseOf(timeline.Latest());
    Free(replaced);
  }
  if (seedInUse && timeline.Latest()) *seedInUse = static_cast<float>(PhraseOf(timeline.Latest())->request.seed);
}

namespace {

Plugin* Self(LV2_Handle handle) { return static_cast<Plugin*>(handle); }

LV2_Handle Instantiate(const LV2_Descriptor*, double rate, const char* bundlePath,
                       const LV2_Feature* const* features) {
  try {
    return new Plugin(rate, features, bundlePath);
  } catch (const std::exception& e) {
    LV2_Log_Logger logger{};
    lv2_log_logger_init(&logger, static_cast<LV2_URID_Map*>(lv2_features_data(features, LV2_URID__map)),
                        static_cast<LV2_Log_Log*>(lv2_features_data(features, LV2_LOG__log)));
    lv2_log_error(&logger, "Volemo: cannot start: %s\n", e.what());
    return nullptr;
  }
}

void ConnectPort(LV2_Handle handle, uint32_t port, void* data) {
  Plugin& p = *Self(handle);
  if (port == kControlIn)
    p.controlIn = static_cast<const LV2_Atom_Sequence*>(data);
  else if (port == kMidiOut)
    p.midiOut = static_cast<LV2_Atom_Sequence*>(data);
  else if (port == kSeedInUse)
    p.seedInUse = static_cast<float*>(data);
  else if (port < kPortCount)
    p.controls[port] = static_cast<const float*>(data);
}

void Activate(LV2_Handle handle) { Self(handle)->timeline.Reset(); }

void Run(LV2_Handle handle, uint32_t frames) { Self(handle)->Run(frames); }

void Cleanup(LV2_Handle handle) {
  Plugin* p = Self(handle);
  for (const LoopEvents* phrase : p->timeline.Replace(nullptr)) delete phrase;
  for (const LoopEvents* phrase : p->toFree) delete phrase;
  delete p;
}

const void* ExtensionData(const char* uri) {
  if (std::strcmp(uri, LV2_WORKER__interface) == 0) return &kWorkerInterface;
  if (std::strcmp(uri, LV2_STATE__interface) == 0) return &kStateInterface;
  return nullptr;
}

// kPluginUri is a literal, so its bytes end with a zero.
const LV2_Descriptor kDescriptor = {kPluginUri.data(), Instantiate, ConnectPort, Activate,
                                    Run,               nullptr,     Cleanup,     ExtensionData};

}  // namespace
}  // namespace volemo::lv2

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
  return index == 0 ? &volemo::lv2::kDescriptor : nullptr;
}
