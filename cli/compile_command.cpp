#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "StrUnit.h"
#include "commands.h"
#include "cp932.h"
#include "interrupts.h"
#include "use_vorlin_dll.h"

namespace volemo::cli {
namespace {

// The compiler refuses a text of more than 16 MB; one byte more is enough
// for it to say so, and a link to an endless device is read no further.
constexpr size_t kMostRead = (size_t{16} << 20) + 1;

[[noreturn]] void FileError(const std::string& path, const char* what, int error) {
  throw std::runtime_error("MML ファイル \"" + path + "\" " + what + " " + std::strerror(error));
}

// The compiler's memory spans some 28 bytes for each byte of MML. For a
// long document the heap is grown at once and backed by 2 MB pages where
// the system has them: one page fault where there would be 512. A block
// held to the end keeps the memory below the first 2 MB boundary apart, so
// that the large allocations that follow (the text, the instructions) start
// on it instead of in small pages before it.
void GrowHeapInLargePages(size_t bytes) {
  constexpr uintptr_t kLarge = 2 << 20;
  // Blocks this large come from the top of the heap, not from the small
  // blocks freed before.
  constexpr size_t kFromTop = 128 << 10;
  constexpr uintptr_t kChunkOverhead = 64;  // more than malloc's header and rounding
  static void* heldBelow = nullptr;
  void* probe = std::malloc(kFromTop);
  const auto top = reinterpret_cast<uintptr_t>(probe);
  std::free(probe);
  uintptr_t boundary = (top + kLarge - 1) & ~(kLarge - 1);
  if (boundary - top < kFromTop + kChunkOverhead) boundary += kLarge;
  if (!heldBelow) heldBelow = std::malloc(boundary - top - kChunkOverhead);
  void* block = std::malloc(bytes);
  const auto at = reinterpret_cast<uintptr_t>(block);
  const uintptr_t from = (at + kLarge - 1) & ~(kLarge - 1), to = (at + bytes) & ~(kLarge - 1);
  if (block && to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
  // The heap keeps it (see the trim threshold in main) for the compiler's
  // allocations.
  std::free(block);
}

std::string ReadMmlFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) FileError(path, "を開けません。", errno);
  struct stat info {};
  int error = fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  std::string text;
  // Room for the whole file at once: a long document is not copied again
  // and again as the string grows.
  if (error == 0 && S_ISREG(info.st_mode)) {
    const size_t size = std::min(static_cast<size_t>(info.st_size) + 1, kMostRead);
    if (size > (256 << 10)) GrowHeapInLargePages(size * 32);
    text.reserve(size);
  }
  while (error == 0 && text.size() < kMostRead) {
    char chunk[65536];
    const ssize_t n = read(fd, chunk, std::min(sizeof chunk, kMostRead - text.size()));
    if (n == 0) break;
    if (n > 0) text.append(chunk, static_cast<size_t>(n));
    else if (errno != EINTR) error = errno;
  }
  close(fd);
  if (error != 0) FileError(path, "を読み込めません。", error);
  return text;
}

// The compiler takes zero-terminated text, so it would end the MML at a
// NUL unseen. Placed as the compiler places its mistakes: lines end at CR
// LF, CR or LF, and a double-byte character is one column.
bool ReportNul(const std::string& mml) {
  const size_t nul = mml.find('\0');
  if (nul == std::string::npos) return false;
  int line = 1;
  int column = 1;
  for (size_t i = 0; i < nul; ++i, ++column) {
    const char b = mml[i];
    if (b == '\r' || b == '\n') {
      if (b == '\r' && mml[i + 1] == '\n') ++i;  // mml[nul] at the most
      ++line;
      column = 0;
    } else {
      i += CharSize(mml, i) - 1;
    }
  }
  std::cerr << line << "行目 " << column << "文字目: NUL バイト \"<00>\" は MML に書けません。\n";
  return true;
}

}  // namespace

bool CompileToFile(const std::string& mml, const std::string& midPath) {
  if (ReportNul(mml)) return false;
  bool written;
  {
    const DeferInterrupts whileWriting;
    written = CompileMmlToMidi(mml, midPath);
  }
  if (written) return true;
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
  const std::string mml = ReadMmlFile(in);
  return CompileToFile(mml, out) ? 0 : 1;
}

}  // namespace volemo::cli
