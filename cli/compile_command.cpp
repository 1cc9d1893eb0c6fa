#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "commands.h"
#include "cp932.h"
#include "file_contents.h"
#include "use_vorlin_dll.h"

namespace volemo::cli {

bool CompileToFile(const std::string& mml, const std::string& midPath) {
  if (CompileMmlToMidi(mml, midPath)) return true;
  std::cerr << Utf8FromCp932(LastCompileMessage()) << '\n';
  return false;
}

namespace {

// The compiler touches some 25 bytes of memory for each byte of MML. For a
// long document the heap is grown at once and backed by 2 MB pages where
// the system has them: one page fault where there would be 512.
void GrowHeapInLargePages(size_t bytes) {
  constexpr uintptr_t kLarge = 2 << 20;
  void* block = std::malloc(bytes);
  const auto at = reinterpret_cast<uintptr_t>(block);
  const uintptr_t from = (at + kLarge - 1) & ~(kLarge - 1), to = (at + bytes) & ~(kLarge - 1);
  if (block && to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
  // The heap keeps it (see the trim threshold in main) for the compiler's
  // allocations.
  std::free(block);
}

}  // namespace

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

  std::string mml;
  if (const int error = ReadFileContents(in, mml); error != 0)
    throw std::runtime_error("cannot read " + in + ": " + std::strerror(error));
  if (mml.size() > (256 << 10)) GrowHeapInLargePages(mml.size() * 32);
  return CompileToFile(mml, out) ? 0 : 1;
}

}  // namespace volemo::cli
