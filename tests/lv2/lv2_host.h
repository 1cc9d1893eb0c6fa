// A host of our own over lilv: loads the bundle, runs the plugin in blocks
// with time:Position messages at frames of our choosing, does the worker's
// work between blocks (as a host whose worker is quick would), and records
// the MIDI the plugin writes, by frame from the first block.
#pragma once

#include <lilv/lilv.h>
#include <lv2/atom/forge.h>
#include <lv2/urid/urid.h>
#include <lv2/worker/worker.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace volemo::lv2test {

struct MidiEvent {
  int64_t frame;
  std::array<uint8_t, 3> message;
  bool operator==(const MidiEvent&) const = default;
};
void PrintTo(const MidiEvent& event, std::ostream* out);

struct Position {
  std::optional<float> speed;
  std::optional<float> beatsPerMinute;
  std::optional<int64_t> bar;
  std::optional<float> barBeat;
};

// Allocations counted while the plugin's run() runs, by the interposed
// allocator of lv2_allocations.cpp; -1 where it is not built in.
int64_t RunAllocations();

class Host {
 public:
  // The bundle of the environment's VOLEMO_LV2_BUNDLE, else the built one.
  static std::string BundlePath();

  explicit Host(double sampleRate = 48000);
  ~Host();

  void Set(const std::string& symbol, float value);
  float Get(const std::string& symbol) const;

  // Runs frames in blocks of blockSize; a message stands at the absolute
  // frame of its key (the first block starts at frame 0).
  void Run(int64_t frames, uint32_t blockSize, const std::map<int64_t, Position>& messages = {});
  const std::vector<MidiEvent>& Events() const { return events_; }
  // How many messages the plugin has given the worker.
  int Scheduled() const { return scheduled_; }

  // State through lilv's own Turtle, as a host saves it in a session.
  std::string SaveState();
  void RestoreState(const std::string& turtle);

 private:
  static LV2_URID Map(LV2_URID_Map_Handle handle, const char* uri);
  static const char* Unmap(LV2_URID_Unmap_Handle handle, LV2_URID urid);
  static LV2_Worker_Status Schedule(LV2_Worker_Schedule_Handle handle, uint32_t size, const void* data);
  static LV2_Worker_Status Respond(LV2_Worker_Respond_Handle handle, uint32_t size, const void* data);
  struct Message;
  static LV2_Worker_Status Queue(std::array<Message, 16>& queue, size_t& count, uint32_t size, const void* data);
  void RunBlock(uint32_t frames, const std::vector<std::pair<uint32_t, Position>>& messages);
  void DoWork();
  uint32_t PortIndex(const std::string& symbol) const;

  struct Message {
    uint32_t size = 0;
    std::array<uint8_t, 512> data{};
  };

  const double sampleRate_;
  std::vector<std::string> uris_;
  LV2_URID_Map map_{this, Map};
  LV2_URID_Unmap unmap_{this, Unmap};
  LV2_Worker_Schedule schedule_{this, Schedule};
  std::array<LV2_Feature, 3> featureList_;
  std::array<const LV2_Feature*, 4> features_{};

  LilvWorld* world_ = nullptr;
  const LilvPlugin* plugin_ = nullptr;
  LilvInstance* instance_ = nullptr;
  const LV2_Worker_Interface* worker_ = nullptr;
  std::vector<float> controls_;
  // Atom buffers, 8-byte aligned.
  std::vector<uint64_t> input_, output_;
  LV2_Atom_Forge forge_{};
  // Fixed room: run() may schedule without the host allocating.
  std::array<Message, 16> requests_{}, answers_{};
  size_t requestCount_ = 0, answerCount_ = 0;
  int scheduled_ = 0;
  int64_t frame_ = 0;
  std::vector<MidiEvent> events_;
};

}  // namespace volemo::lv2test
