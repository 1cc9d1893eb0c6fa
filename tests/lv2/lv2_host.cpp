#include "lv2_host.h"

#include <lv2/atom/util.h>
#include <lv2/midi/midi.h>
#include <lv2/state/state.h>
#include <lv2/time/time.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace volemo::lv2test {

void CountAllocations(bool on);

namespace {

constexpr char kPluginUri[] = "http://volemo.org/lv2/phrase";
constexpr size_t kAtomBufferBytes = 1 << 16;

struct Node {
  LilvNode* node;
  explicit Node(LilvNode* n) : node(n) {}
  ~Node() { lilv_node_free(node); }
};

}  // namespace

void PrintTo(const MidiEvent& event, std::ostream* out) {
  *out << event.frame << ':' << std::hex << ' ' << int(event.message[0]) << ' ' << int(event.message[1]) << ' '
       << int(event.message[2]) << std::dec;
}

std::string Host::BundlePath() {
  const char* chosen = std::getenv("VOLEMO_LV2_BUNDLE");
  std::string path = chosen && *chosen ? chosen : VOLEMO_LV2_BUNDLE;
  if (path.back() != '/') path += '/';
  return path;
}

Host::Host(double sampleRate) : sampleRate_(sampleRate) {
  featureList_ = {LV2_Feature{LV2_URID__map, &map_}, LV2_Feature{LV2_URID__unmap, &unmap_},
                  LV2_Feature{LV2_WORKER__schedule, &schedule_}};
  features_ = {&featureList_[0], &featureList_[1], &featureList_[2], nullptr};
  world_ = lilv_world_new();
  lilv_world_load_specifications(world_);
  lilv_world_load_plugin_classes(world_);
  const Node bundle(lilv_new_file_uri(world_, nullptr, BundlePath().c_str()));
  lilv_world_load_bundle(world_, bundle.node);
  const Node uri(lilv_new_uri(world_, kPluginUri));
  plugin_ = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world_), uri.node);
  if (!plugin_) throw std::runtime_error("no plugin in " + BundlePath());
  instance_ = lilv_plugin_instantiate(plugin_, sampleRate_, features_.data());
  if (!instance_) throw std::runtime_error("the plugin cannot be instantiated");
  worker_ = static_cast<const LV2_Worker_Interface*>(lilv_instance_get_extension_data(instance_, LV2_WORKER__interface));
  if (!worker_) throw std::runtime_error("the plugin has no worker interface");

  const uint32_t ports = lilv_plugin_get_num_ports(plugin_);
  controls_.assign(ports, 0);
  std::vector<float> minimum(ports), maximum(ports);
  lilv_plugin_get_port_ranges_float(plugin_, minimum.data(), maximum.data(), controls_.data());
  input_.assign(kAtomBufferBytes / 8, 0);
  output_.assign(kAtomBufferBytes / 8, 0);
  const Node control(lilv_new_uri(world_, LV2_CORE__ControlPort));
  const Node input(lilv_new_uri(world_, LV2_CORE__InputPort));
  for (uint32_t i = 0; i < ports; ++i) {
    const LilvPort* port = lilv_plugin_get_port_by_index(plugin_, i);
    if (lilv_port_is_a(plugin_, port, control.node))
      lilv_instance_connect_port(instance_, i, &controls_[i]);
    else
      lilv_instance_connect_port(instance_, i, lilv_port_is_a(plugin_, port, input.node) ? input_.data() : output_.data());
  }
  lv2_atom_forge_init(&forge_, &map_);
  lilv_instance_activate(instance_);
}

Host::~Host() {
  if (instance_) {
    lilv_instance_deactivate(instance_);
    lilv_instance_free(instance_);
  }
  lilv_world_free(world_);
}

uint32_t Host::PortIndex(const std::string& symbol) const {
  const Node name(lilv_new_string(world_, symbol.c_str()));
  const LilvPort* port = lilv_plugin_get_port_by_symbol(plugin_, name.node);
  if (!port) throw std::invalid_argument("no port " + symbol);
  return lilv_port_get_index(plugin_, port);
}

void Host::Set(const std::string& symbol, float value) { controls_[PortIndex(symbol)] = value; }
float Host::Get(const std::string& symbol) const { return controls_[PortIndex(symbol)]; }

LV2_URID Host::Map(LV2_URID_Map_Handle handle, const char* uri) {
  auto& uris = static_cast<Host*>(handle)->uris_;
  const auto found = std::find(uris.begin(), uris.end(), uri);
  if (found != uris.end()) return static_cast<LV2_URID>(found - uris.begin() + 1);
  uris.emplace_back(uri);
  return static_cast<LV2_URID>(uris.size());
}

const char* Host::Unmap(LV2_URID_Unmap_Handle handle, LV2_URID urid) {
  const auto& uris = static_cast<Host*>(handle)->uris_;
  return urid >= 1 && urid <= uris.size() ? uris[urid - 1].c_str() : nullptr;
}

LV2_Worker_Status Host::Queue(std::array<Message, 16>& queue, size_t& count, uint32_t size, const void* data) {
  if (count == queue.size() || size > queue[0].data.size()) return LV2_WORKER_ERR_NO_SPACE;
  Message& m = queue[count++];
  m.size = size;
  std::memcpy(m.data.data(), data, size);
  return LV2_WORKER_SUCCESS;
}

LV2_Worker_Status Host::Schedule(LV2_Worker_Schedule_Handle handle, uint32_t size, const void* data) {
  Host& host = *static_cast<Host*>(handle);
  ++host.scheduled_;
  return Queue(host.requests_, host.requestCount_, size, data);
}

LV2_Worker_Status Host::Respond(LV2_Worker_Respond_Handle handle, uint32_t size, const void* data) {
  Host& host = *static_cast<Host*>(handle);
  return Queue(host.answers_, host.answerCount_, size, data);
}

void Host::DoWork() {
  const std::array<Message, 16> requests = requests_;
  const size_t count = std::exchange(requestCount_, 0);
  LV2_Handle handle = lilv_instance_get_handle(instance_);
  for (size_t i = 0; i < count; ++i) worker_->work(handle, Respond, this, requests[i].size, requests[i].data.data());
  // The answers are the audio thread's business, before the next block.
  CountAllocations(true);
  for (size_t i = 0; i < answerCount_; ++i) worker_->work_response(handle, answers_[i].size, answers_[i].data.data());
  if (worker_->end_run) worker_->end_run(handle);
  CountAllocations(false);
  answerCount_ = 0;
}

void Host::RunBlock(uint32_t frames, const std::vector<std::pair<uint32_t, Position>>& messages) {
  const LV2_URID position = Map(this, LV2_TIME__Position);
  lv2_atom_forge_set_buffer(&forge_, reinterpret_cast<uint8_t*>(input_.data()), kAtomBufferBytes);
  LV2_Atom_Forge_Frame sequence;
  lv2_atom_forge_sequence_head(&forge_, &sequence, 0);
  for (const auto& [offset, p] : messages) {
    lv2_atom_forge_frame_time(&forge_, offset);
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_object(&forge_, &object, 0, position);
    const auto number = [this](const char* key, const auto& value) {
      if (!value) return;
      lv2_atom_forge_key(&forge_, Map(this, key));
      if constexpr (std::is_same_v<std::decay_t<decltype(*value)>, float>)
        lv2_atom_forge_float(&forge_, *value);
      else
        lv2_atom_forge_long(&forge_, *value);
    };
    number(LV2_TIME__speed, p.speed);
    number(LV2_TIME__beatsPerMinute, p.beatsPerMinute);
    number(LV2_TIME__bar, p.bar);
    number(LV2_TIME__barBeat, p.barBeat);
    lv2_atom_forge_pop(&forge_, &object);
  }
  lv2_atom_forge_pop(&forge_, &sequence);

  auto* out = reinterpret_cast<LV2_Atom_Sequence*>(output_.data());
  out->atom.size = kAtomBufferBytes - sizeof(LV2_Atom);
  out->atom.type = Map(this, LV2_ATOM__Chunk);
  CountAllocations(true);
  lilv_instance_run(instance_, frames);
  CountAllocations(false);
  const LV2_URID midi = Map(this, LV2_MIDI__MidiEvent);
  LV2_ATOM_SEQUENCE_FOREACH(out, event) {
    if (event->body.type != midi || event->body.size != 3) continue;
    MidiEvent e{frame_ + event->time.frames, {}};
    std::memcpy(e.message.data(), LV2_ATOM_BODY_CONST(&event->body), 3);
    events_.push_back(e);
  }
  DoWork();
  frame_ += frames;
}

void Host::Run(int64_t frames, uint32_t blockSize, const std::map<int64_t, Position>& messages) {
  const int64_t end = frame_ + frames;
  auto next = messages.lower_bound(frame_);
  while (frame_ < end) {
    const uint32_t n = static_cast<uint32_t>(std::min<int64_t>(blockSize, end - frame_));
    std::vector<std::pair<uint32_t, Position>> inBlock;
    for (; next != messages.end() && next->first < frame_ + n; ++next)
      inBlock.emplace_back(static_cast<uint32_t>(next->first - frame_), next->second);
    RunBlock(n, inBlock);
  }
}

std::string Host::SaveState() {
  LilvState* state = lilv_state_new_from_instance(
      plugin_, instance_, &map_, nullptr, nullptr, nullptr, nullptr,
      [](const char* symbol, void* user, uint32_t* size, uint32_t* type) -> const void* {
        Host& host = *static_cast<Host*>(user);
        *size = sizeof(float);
        *type = Map(&host, LV2_ATOM__Float);
        return &host.controls_[host.PortIndex(symbol)];
      },
      this, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, features_.data());
  char* text = lilv_state_to_string(world_, &map_, &unmap_, state, "urn:volemo:test-state", nullptr);
  std::string turtle = text ? text : "";
  lilv_free(text);
  lilv_state_free(state);
  return turtle;
}

void Host::RestoreState(const std::string& turtle) {
  LilvState* state = lilv_state_new_from_string(world_, &map_, turtle.c_str());
  if (!state) throw std::runtime_error("lilv cannot read the saved state");
  lilv_state_restore(
      state, instance_,
      [](const char* symbol, void* user, const void* value, uint32_t size, uint32_t type) {
        Host& host = *static_cast<Host*>(user);
        if (size == sizeof(float) && type == Map(&host, LV2_ATOM__Float))
          host.controls_[host.PortIndex(symbol)] = *static_cast<const float*>(value);
      },
      this, 0, features_.data());
  lilv_state_free(state);
}

}  // namespace volemo::lv2test
