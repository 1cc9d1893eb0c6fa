#include "sound_render.h"

#include <thread>

#include "playback_module.h"

namespace volemo {

SoundRenderer::SoundRenderer(int threads, bool repeatable) : module_(PlaybackModule()) {
  ThrowIfFailed(module_.newRenderer(threads, repeatable ? 1 : 0, &renderer_));
}

SoundRenderer::~SoundRenderer() { module_.deleteRenderer(renderer_); }

void SoundRenderer::Render(const MidiFile& midi, const std::string& name, const std::string& outPath,
                           const std::function<bool(double)>& stop) {
  // The module asks through a plain function; context is stop itself.
  using Stop = std::function<bool(double)>;
  const auto ask = [](void* context, double seconds) { return (*static_cast<const Stop*>(context))(seconds) ? 1 : 0; };
  ThrowIfFailed(module_.render(renderer_, reinterpret_cast<const uint8_t*>(midi.bytes.data()), midi.bytes.size(),
                               name.c_str(), outPath.c_str(), stop ? +ask : nullptr, const_cast<Stop*>(&stop)));
}

void RenderSound(const MidiFile& midi, const std::string& name, const std::string& outPath,
                 const std::function<bool(double)>& stop) {
  SoundRenderer(static_cast<int>(std::thread::hardware_concurrency()), false).Render(midi, name, outPath, stop);
}

}  // namespace volemo
