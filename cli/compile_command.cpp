#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

#include "commands.h"
#include "cp932.h"
#include "use_vorlin_dll.h"

namespace volemo::cli {

bool CompileToFile(const std::string& mml, const std::string& midPath) {
  if (CompileMmlToMidi(mml, midPath)) return true;
  std::cerr << Utf8FromCp932(LastCompileMessage()) << '\n';
  return false;
}

int RunCompile(ArgumentReader& args) {
  if (args.TakeFlag("--help")) {
    std::cout << "Usage: volemo-cli compile IN.mml OUT.mid\n"
                 "Compiles a file of MML (CP932) into a Standard MIDI File. On failure the\n"
                 "compiler's message goes to standard error and the exit status is 1.\n";
    return 0;
  }
  const std::string in = args.TakePositional("IN.mml");
  const std::string out = args.TakePositional("OUT.mid");
  if (!args.AtEnd()) args.RejectNext();

  std::ifstream file(in, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + in);
  const std::string mml{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw std::runtime_error("cannot read " + in);
  return CompileToFile(mml, out) ? 0 : 1;
}

}  // namespace volemo::cli
