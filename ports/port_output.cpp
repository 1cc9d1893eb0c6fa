#include "port_output.h"

#include "player_error.h"
#include "translatable.h"

namespace volemo {

void PortOutput::Follow(timeline::LoopEvents, double, bool) {
  throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "JACK のトランスポートに合わせて演奏できるのは JACK のポートだけです。"));
}

std::vector<std::string> ListMidiPorts() {
  std::vector<std::string> ports = ListJackPorts();
  for (std::string& port : ListAlsaPorts()) ports.push_back(std::move(port));
  return ports;
}

std::unique_ptr<PortOutput> OpenMidiPort(const std::string& name) {
  return name.starts_with("alsa:") ? OpenAlsaPort(name) : OpenJackPort(name);
}

}  // namespace volemo
