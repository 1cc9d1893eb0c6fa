#include "sound_render.h"

#include <thread>

#include "playback_module.h"

namespace volemo {

SoundRenderer::SoundRenderer(int threads, bool repeatable) : module_(PlaybackModule()) {
  ThrowIfFailed(module_.newRenderer(threads, repeatable ? 1 : 0, &renderer_));
}

SoundRenderer::~SoundRenderer() { module_.deleteRenderer(renderer_); }

void SoundRenderer::RenderFile(const std::string& midPath, const std::string& outPath) {
  ThrowIfFailed(module_.renderFile(renderer_, midPath.c_str(), outPath.c_str()));
}

void SoundRenderer::RenderBytes(const std::string& midi, const std::string& outPath) {
  ThrowIfFailed(module_.renderBytes(renderer_, reinterpret_cast<const uint8_t*>(midi.data()), midi.size(),
                                    outPath.c_str()));
}

void RenderSound(const std::string& midPath, const std::string& outPath) {
  SoundRenderer(static_cast<int>(std::thread::hardware_concurrency()), false).RenderFile(midPath, outPath);
}

}  // namespace volemo
