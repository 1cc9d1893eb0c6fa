// Writes the bundle's manifest.ttl and volemo.ttl from the port table, the
// window's control ranges and the scale file: volemo-lv2-ttl SCALE_FILE DIR.
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cp932.h"
#include "loop_phrase.h"
#include "note_choice.h"
#include "part_ports.h"
#include "ports.h"

namespace volemo::lv2 {
namespace {

constexpr char kPrefixes[] =
    "@prefix atom: <http://lv2plug.in/ns/ext/atom#> .\n"
    "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix midi: <http://lv2plug.in/ns/ext/midi#> .\n"
    "@prefix pg: <http://lv2plug.in/ns/ext/port-groups#> .\n"
    "@prefix pprops: <http://lv2plug.in/ns/ext/port-props#> .\n"
    "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
    "@prefix time: <http://lv2plug.in/ns/ext/time#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
    "@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n"
    "@prefix work: <http://lv2plug.in/ns/ext/worker#> .\n\n";

std::string Quoted(const std::string& text) {
  std::string q = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') q += '\\';
    q += c;
  }
  return q + '"';
}

std::string GroupUri(const PortGroup& group) { return '<' + std::string(kPluginUri) + '#' + std::string(group.symbol) + '>'; }

// The first group holds the first version's ports, each later one from
// its first part port on.
const PortGroup& GroupOf(uint32_t index) {
  const PortGroup* group = &kPortGroups[0];
  for (uint32_t i = kFirstPartPort; i <= index; ++i)
    for (const PortGroup& g : kPortGroups)
      if (g.firstPort == kPartPorts[i - kFirstPartPort].symbol) group = &g;
  return *group;
}

void ControlPort(std::ostream& out, uint32_t index, std::string_view symbol, std::string_view name, int64_t minimum,
                 int64_t maximum, int64_t initial, const std::string& extra) {
  out << " , [\n    a lv2:InputPort , lv2:ControlPort ;\n    lv2:index " << index << " ;\n    lv2:symbol \"" << symbol
      << "\" ;\n    lv2:name \"" << name << "\" ;\n    pg:group " << GroupUri(GroupOf(index)) << " ;\n    lv2:minimum "
      << minimum << " ;\n    lv2:maximum " << maximum << " ;\n    lv2:default " << initial << " ;\n"
      << extra << "  ]";
}

std::string PitchPoints() {
  std::string points;
  for (int p = 0; p < 12; ++p)
    points += std::string(p ? " ,\n" : "") + "      [ rdfs:label \"" + std::string(PitchClassName(p)) +
              "\" ; rdf:value " + std::to_string(p) + " ]";
  return points;
}

std::string ScalePoints(const PhraseMaker& maker) {
  std::string points;
  for (size_t i = 0; i < maker.ScaleNames().size(); ++i)
    points += std::string(i ? " ,\n" : "") + "      [ rdfs:label " + Quoted(Utf8FromCp932(maker.ScaleNames()[i])) +
              " ; rdf:value " + std::to_string(i) + " ]";
  return points;
}

// A list's entries by their option texts; none and the drawn progression
// by what they do.
std::string ChoicePoints(const PartPort& port) {
  std::string points;
  const SettingRange range = PartRange(port);
  for (int32_t v = range.minimum; v <= range.maximum; ++v) {
    std::string label(PartChoice(port, v));
    if (label.empty()) label = "none";
    if (port.kind == PartKind::Progression && v == 1) label = "random: drawn from the table by the seed";
    points += std::string(v > range.minimum ? " ,\n" : "") + "      [ rdfs:label " + Quoted(label) + " ; rdf:value " +
              std::to_string(v) + " ]";
  }
  return points;
}

std::string PartPortExtra(const PartPort& port) {
  std::string extra;
  switch (port.kind) {
    case PartKind::Word:
    case PartKind::Gate: extra += "    lv2:portProperty lv2:toggled"; break;
    case PartKind::Number:
    case PartKind::NumberOrNone: extra += "    lv2:portProperty lv2:integer"; break;
    default: extra += "    lv2:portProperty lv2:integer , lv2:enumeration ;\n    lv2:scalePoint\n" + ChoicePoints(port);
  }
  if (!port.unit.empty()) extra += " ;\n    units:unit units:" + std::string(port.unit);
  return extra + " ;\n";
}

std::string PluginTurtle(const PhraseMaker& maker) {
  std::ostringstream out;
  out << kPrefixes << '<' << kPluginUri << ">\n"
      << "  a lv2:Plugin , lv2:MIDIPlugin ;\n"
      << "  doap:name \"Volemo\" ;\n"
      << "  rdfs:comment \"Invents a short phrase at random and plays it in a loop on the host's timeline.\" ;\n"
      << "  lv2:requiredFeature urid:map , work:schedule ;\n"
      << "  lv2:optionalFeature lv2:hardRTCapable ;\n"
      << "  lv2:extensionData work:interface , state:interface ;\n"
      << "  lv2:port [\n"
      << "    a lv2:InputPort , atom:AtomPort ;\n    atom:bufferType atom:Sequence ;\n"
      << "    atom:supports time:Position ;\n    lv2:designation lv2:control ;\n"
      << "    lv2:index " << kControlIn << " ;\n    lv2:symbol \"control\" ;\n    lv2:name \"Transport\" ;\n  ] , [\n"
      << "    a lv2:OutputPort , atom:AtomPort ;\n    atom:bufferType atom:Sequence ;\n"
      << "    atom:supports midi:MidiEvent ;\n"
      << "    lv2:index " << kMidiOut << " ;\n    lv2:symbol \"midi_out\" ;\n    lv2:name \"MIDI out\" ;\n  ]";
  ControlPort(out, kSeed, "seed", "Seed", 0, kMaxPortSeed, kDefaultSeed, "    lv2:portProperty lv2:integer ;\n");
  for (uint32_t i = 0; i < kSettingCount; ++i) {
    const SettingPort& port = kSettingPorts[i];
    const SettingRange range = maker.Range(i);
    std::string extra = "    lv2:portProperty lv2:integer";
    if (port.control == "cmbScale")
      extra += " , lv2:enumeration ;\n    lv2:scalePoint\n" + ScalePoints(maker);
    else if (port.control.starts_with("cmb"))
      extra += " , lv2:enumeration ;\n    lv2:scalePoint\n" + PitchPoints();
    if (!port.unit.empty()) extra += " ;\n    units:unit units:" + std::string(port.unit);
    ControlPort(out, kFirstSetting + i, port.symbol, port.name, range.minimum, range.maximum, range.initial,
                extra + " ;\n");
  }
  const std::string trigger = "    lv2:portProperty lv2:toggled , pprops:trigger ;\n";
  ControlPort(out, kNewPhrase, "new_phrase", "New phrase (next seed)", 0, 1, 0, trigger);
  ControlPort(out, kReroll, "reroll", "Re-roll the notes", 0, 1, 0, trigger);
  out << " , [\n    a lv2:OutputPort , lv2:ControlPort ;\n    lv2:index " << kSeedInUse
      << " ;\n    lv2:symbol \"phrase_seed\" ;\n    lv2:name \"Phrase seed\" ;\n    pg:group "
      << GroupUri(GroupOf(kSeedInUse)) << " ;\n    lv2:minimum 0 ;\n"
      << "    lv2:maximum " << kMaxPortSeed << " ;\n    lv2:portProperty lv2:integer ;\n  ]";
  for (uint32_t i = 0; i < kPartPortCount; ++i) {
    const PartPort& port = kPartPorts[i];
    const SettingRange range = PartRange(port);
    ControlPort(out, kFirstPartPort + i, port.symbol, port.name, range.minimum, range.maximum, range.initial,
                PartPortExtra(port));
  }
  out << " .\n";
  for (const PortGroup& g : kPortGroups)
    out << '\n' << GroupUri(g) << "\n  a pg:Group ;\n  lv2:symbol \"" << g.symbol << "\" ;\n  lv2:name \"" << g.label
        << "\" .\n";
  return out.str();
}

std::string ManifestTurtle() {
  std::ostringstream out;
  out << "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
      << "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n\n"
      << '<' << kPluginUri << ">\n  a lv2:Plugin ;\n  lv2:binary <volemo.so> ;\n  rdfs:seeAlso <volemo.ttl> .\n";
  return out.str();
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace
}  // namespace volemo::lv2

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: volemo-lv2-ttl SCALE_FILE BUNDLE_DIR\n";
    return 2;
  }
  try {
    const volemo::lv2::PhraseMaker maker(argv[1]);
    const std::string dir = argv[2];
    volemo::lv2::Write(dir + "/volemo.ttl", volemo::lv2::PluginTurtle(maker));
    volemo::lv2::Write(dir + "/manifest.ttl", volemo::lv2::ManifestTurtle());
  } catch (const std::exception& e) {
    std::cerr << "volemo-lv2-ttl: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
