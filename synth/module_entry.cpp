// The playback module's side of module_interface.h: the table over the
// player and the renderer. No exception leaves the module; each becomes the
// message the program shows.
#include <exception>
#include <functional>
#include <memory>
#include <vector>
#include <string>

#include "module_interface.h"
#include "synth_player.h"
#include "port_output.h"
#include "synth_render.h"
#include "translatable.h"

struct VolemoPlayer {
  volemo::SynthPlayer player;
};

struct VolemoPort {
  std::unique_ptr<volemo::PortOutput> output;
  std::string failure;  // kept for the C caller
};

struct VolemoRenderer {
  VolemoRenderer(int threads, bool repeatable) : renderer(threads, repeatable) {}
  volemo::SynthRenderer renderer;
};

namespace {

thread_local std::string message;

std::string Bytes(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

// Runs fn; NULL when it returned, else the message of what it threw.
template <class Fn>
const char* Guarded(Fn fn) {
  try {
    fn();
    return nullptr;
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = volemo::MakePlayerError(QT_TRANSLATE_NOOP("Message", "再生モジュールで原因不明のエラーが起きました。")).what();
  }
  return message.c_str();
}

const VolemoPlayback kTable = {
    VOLEMO_PLAYBACK_VERSION,
    [](VolemoPlayer** player) { return Guarded([&] { *player = new VolemoPlayer; }); },
    [](VolemoPlayer* player) { delete player; },
    [](VolemoPlayer* player, const uint8_t* midi, size_t size) {
      return Guarded([&] { player->player.Open(volemo::ParseMidiFile(Bytes(midi, size))); });
    },
    [](VolemoPlayer* player, int fromTick) { return Guarded([&] { player->player.Play(fromTick); }); },
    [](VolemoPlayer* player) { return Guarded([&] { player->player.Stop(); }); },
    [](VolemoPlayer* player) { return Guarded([&] { player->player.Close(); }); },
    [](const VolemoPlayer* player) { return player->player.IsOpen() ? 1 : 0; },
    [](const VolemoPlayer* player) { return player->player.IsPlaying() ? 1 : 0; },
    [](const VolemoPlayer* player) { return Guarded([&] { player->player.CheckOutput(); }); },
    [](const VolemoPlayer* player) { return player->player.PositionTick(); },
    [](VolemoPlayer* player, int loop) { return Guarded([&] { player->player.SetLoop(loop != 0); }); },
    [](int threads, int repeatable, VolemoRenderer** renderer) {
      return Guarded([&] { *renderer = new VolemoRenderer(threads, repeatable != 0); });
    },
    [](VolemoRenderer* renderer) { delete renderer; },
    [](VolemoRenderer* renderer, const uint8_t* midi, size_t size, const char* name, const char* outPath,
       int (*stop)(void*, double), void* context) {
      return Guarded([&] {
        volemo::RenderStop asked;
        if (stop) asked = [=](double seconds) { return stop(context, seconds) != 0; };
        renderer->renderer.Render(volemo::ParseMidiFile(Bytes(midi, size)), name, outPath, asked);
      });
    },
    [](const char** names) {
      // The names in message, which Guarded leaves alone on success.
      return Guarded([&] {
        std::string text;
        for (const std::string& name : volemo::ListMidiPorts()) text += name + "\n";
        message = std::move(text);
        *names = message.c_str();
      });
    },
    [](const char* name, VolemoPort** port) {
      return Guarded([&] { *port = new VolemoPort{volemo::OpenMidiPort(name), {}}; });
    },
    [](VolemoPort* port) { delete port; },
    [](VolemoPort* port, const VolemoMidiEvent* events, size_t count, double length, int loop) {
      return Guarded([&] {
        std::vector<volemo::TimedEvent> timed(count);
        for (size_t i = 0; i < count; ++i)
          timed[i] = {events[i].seconds, 0, events[i].size, {events[i].bytes[0], events[i].bytes[1], events[i].bytes[2]}};
        port->output->Play(std::move(timed), length, loop != 0);
      });
    },
    [](VolemoPort* port) { port->output->Stop(); },
    [](VolemoPort* port, int loop) { port->output->SetLoop(loop != 0); },
    [](const VolemoPort* port) { return port->output->IsPlaying() ? 1 : 0; },
    [](const VolemoPort* port) { return port->output->Position(); },
    [](const VolemoPort* port) -> const char* {
      auto* p = const_cast<VolemoPort*>(port);
      p->failure = p->output->Failure();
      return p->failure.empty() ? nullptr : p->failure.c_str();
    },
};

}  // namespace

extern "C" const VolemoPlayback* volemo_playback(void) { return &kTable; }
