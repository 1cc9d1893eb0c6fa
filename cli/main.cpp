// volemo-cli: the phrase engine from the command line.
#include <malloc.h>

#include <csignal>

#include <array>
#include <iostream>
#include <string_view>

#include "commands.h"
#include "language.h"

namespace {

using volemo::cli::ArgumentReader;

struct Command {
  std::string_view name;
  int (*run)(ArgumentReader&);
  std::string_view summary;
};

constexpr std::array kCommands = {
    Command{"phrase", volemo::cli::RunPhrase, "compose a phrase and write its MML to standard output"},
    Command{"pattern", volemo::cli::RunPattern, "draw a rhythm pattern and write it to standard output"},
    Command{"compile", volemo::cli::RunCompile, "compile a file of MML into a MIDI file"},
    Command{"render", volemo::cli::RunRender, "render a MIDI file to a WAV, FLAC or Ogg Vorbis file"},
    Command{"batch", volemo::cli::RunBatch, "make many phrases into a folder, with a manifest"},
    Command{"takes", volemo::cli::RunTakes, "list, show, export, star or delete the kept phrases"},
    Command{"presets", volemo::cli::RunPresets, "list the presets"},
    Command{"learn", volemo::cli::RunLearn, "learn the settings from a MIDI file or the starred takes"},
    Command{"ports", volemo::cli::RunPorts, "list the MIDI ports a phrase can be played into"},
    Command{"scales", volemo::cli::RunScales, "list the scale names that --scale takes"},
    Command{"controls", volemo::cli::RunControls, "list the controls that --set takes, with ranges and defaults"},
};

void PrintUsage(std::ostream& out) {
  out << "Usage: volemo-cli [--lang ja|en] COMMAND [OPTIONS]\n       volemo-cli --help | --version\n\nCommands:\n";
  for (const Command& c : kCommands) out << "  " << c.name << std::string(10 - c.name.size(), ' ') << c.summary << '\n';
  out << "\n'volemo-cli COMMAND --help' lists the command's options. --lang (or VOLEMO_LANG) picks the language\n"
         "of the engine's messages: ja, Japanese (the default), or en, English.\n";
}

}  // namespace

int main(int argc, char** argv) {
  // Large documents: memory freed stays with the process for the next
  // allocation instead of going back to the system and being faulted in
  // anew at every page.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_TOP_PAD, 32 << 20);
  // A write past a file-size limit fails, and is reported as the failure of
  // that write, instead of ending the program where it stood.
  std::signal(SIGXFSZ, SIG_IGN);
  volemo::cli::TakeLanguageFromEnvironment();
  int at = 1;
  if (argc > at && std::string_view(argv[at]) == "--lang") {
    if (argc == at + 1 || !volemo::cli::SetLanguage(argv[at + 1])) {
      std::cerr << "volemo-cli: --lang takes ja or en\n";
      return 2;
    }
    at += 2;
  }
  const std::string_view first = argc > at ? argv[at] : "";
  if (first == "--help" || first == "-h") {
    PrintUsage(std::cout);
    return 0;
  }
  if (first == "--version") {
    std::cout << "volemo-cli " VOLEMO_VERSION "\n";
    return 0;
  }
  for (const Command& c : kCommands) {
    if (c.name != first) continue;
    try {
      ArgumentReader args(std::vector<std::string>(argv + at + 1, argv + argc));
      return c.run(args);
    } catch (const volemo::cli::UsageError& e) {
      std::cerr << "volemo-cli " << c.name << ": " << e.what() << "\nTry 'volemo-cli " << c.name
                << " --help'.\n";
      return 2;
    } catch (const std::exception& e) {
      std::cerr << "volemo-cli " << c.name << ": " << volemo::cli::Said(e.what()) << '\n';
      return 1;
    }
  }
  if (first.empty()) std::cerr << "volemo-cli: no command given\n";
  else std::cerr << "volemo-cli: unknown command " << first << '\n';
  PrintUsage(std::cerr);
  return 2;
}
