#include "port_output.h"

namespace volemo {

std::vector<std::string> ListMidiPorts() {
  std::vector<std::string> ports = ListJackPorts();
  for (std::string& port : ListAlsaPorts()) ports.push_back(std::move(port));
  return ports;
}

std::unique_ptr<PortOutput> OpenMidiPort(const std::string& name) {
  return name.starts_with("alsa:") ? OpenAlsaPort(name) : OpenJackPort(name);
}

}  // namespace volemo
