// The plugin's run() for one block, as a host calls it 750 times a second
// at 48 kHz in blocks of 64: the built plugin, loaded through lilv.
#include <benchmark/benchmark.h>
#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/atom/forge.h>
#include <lv2/time/time.h>
#include <lv2/urid/urid.h>
#include <lv2/worker/worker.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct BenchHost {
  BenchHost() {
    world = lilv_world_new();
    // Another build's bundle may be measured beside this one's.
    const char* path = std::getenv("VOLEMO_LV2_BUNDLE");
    const std::string bundlePath = std::string(path && *path ? path : VOLEMO_LV2_BUNDLE) + "/";
    LilvNode* bundle = lilv_new_file_uri(world, nullptr, bundlePath.c_str());
    lilv_world_load_bundle(world, bundle);
    lilv_node_free(bundle);
    LilvNode* uri = lilv_new_uri(world, "http://volemo.org/lv2/phrase");
    const LilvPlugin* plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), uri);
    lilv_node_free(uri);
    if (!plugin) throw std::runtime_error("no plugin in " + bundlePath);
    const LV2_Feature mapFeature{LV2_URID__map, &map}, scheduleFeature{LV2_WORKER__schedule, &schedule};
    const LV2_Feature* features[] = {&mapFeature, &scheduleFeature, nullptr};
    instance = lilv_plugin_instantiate(plugin, 48000, features);
    if (!instance) throw std::runtime_error("the plugin cannot be instantiated");
    // The controls at their defaults: the phrase composed at start plays.
    controls.resize(lilv_plugin_get_num_ports(plugin));
    lilv_plugin_get_port_ranges_float(plugin, nullptr, nullptr, controls.data());
    lilv_instance_connect_port(instance, 0, input.data());
    lilv_instance_connect_port(instance, 1, output.data());
    for (uint32_t port = 2; port < controls.size(); ++port) lilv_instance_connect_port(instance, port, &controls[port]);
    lilv_instance_activate(instance);
  }
  ~BenchHost() {
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
    lilv_world_free(world);
  }

  // The block's input: a time:Position rolling at 120 from bar 0, or nothing.
  void Input(bool position) {
    LV2_Atom_Forge forge;
    lv2_atom_forge_init(&forge, &map);
    lv2_atom_forge_set_buffer(&forge, reinterpret_cast<uint8_t*>(input.data()), input.size() * 8);
    LV2_Atom_Forge_Frame sequence, object;
    lv2_atom_forge_sequence_head(&forge, &sequence, 0);
    if (position) {
      lv2_atom_forge_frame_time(&forge, 0);
      lv2_atom_forge_object(&forge, &object, 0, Map(this, LV2_TIME__Position));
      lv2_atom_forge_key(&forge, Map(this, LV2_TIME__speed));
      lv2_atom_forge_float(&forge, 1);
      lv2_atom_forge_key(&forge, Map(this, LV2_TIME__beatsPerMinute));
      lv2_atom_forge_float(&forge, 120);
      lv2_atom_forge_key(&forge, Map(this, LV2_TIME__bar));
      lv2_atom_forge_long(&forge, 0);
      lv2_atom_forge_key(&forge, Map(this, LV2_TIME__barBeat));
      lv2_atom_forge_float(&forge, 0);
      lv2_atom_forge_pop(&forge, &object);
    }
    lv2_atom_forge_pop(&forge, &sequence);
  }

  void Run(uint32_t frames) {
    auto* out = reinterpret_cast<LV2_Atom_Sequence*>(output.data());
    out->atom.size = output.size() * 8 - sizeof(LV2_Atom);
    lilv_instance_run(instance, frames);
  }

  static LV2_URID Map(LV2_URID_Map_Handle handle, const char* uri) {
    auto& uris = static_cast<BenchHost*>(handle)->uris;
    for (size_t i = 0; i < uris.size(); ++i)
      if (uris[i] == uri) return static_cast<LV2_URID>(i + 1);
    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size());
  }
  static LV2_Worker_Status Schedule(LV2_Worker_Schedule_Handle, uint32_t, const void*) { return LV2_WORKER_SUCCESS; }

  std::vector<std::string> uris;
  LV2_URID_Map map{this, Map};
  LV2_Worker_Schedule schedule{this, Schedule};
  LilvWorld* world = nullptr;
  LilvInstance* instance = nullptr;
  std::vector<float> controls;
  std::vector<uint64_t> input = std::vector<uint64_t>(1024), output = std::vector<uint64_t>(8192);
};

// The default phrase (32 sixteenths, a note on most steps) rolling: a
// block holds a note-on or note-off about one time in three.
void BM_RunBlockOf64(benchmark::State& bench) {
  BenchHost host;
  host.Input(true);
  host.Run(64);
  host.Input(false);
  for (auto _ : bench) host.Run(64);
  bench.SetItemsProcessed(bench.iterations() * 64);
}
BENCHMARK(BM_RunBlockOf64);

}  // namespace
