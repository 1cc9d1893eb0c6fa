#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "StrUnit.h"
#include "commands.h"
#include "cp932.h"
#include "input_file.h"
#include "interrupts.h"
#include "language.h"
#include "use_vorlin_dll.h"
#include "message_text.h"
#include "translatable.h"

namespace volemo::cli {
namespace {

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
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > (256 << 10) &&
      static_cast<size_t>(info.st_size) <= kMostMmlBytes)
    GrowHeapInLargePages(static_cast<size_t>(info.st_size) * 32);
  std::string text;
  if (const auto failure = ReadInputFile(path, kMostMmlBytes, QT_TRANSLATE_NOOP("Message", "MML が長すぎます（16 MB まで）"), text))
    throw std::runtime_error(FormatMessage(failure->opened ? QT_TRANSLATE_NOOP("Message", "MML ファイル \"%1\" を読み込めません。 %2")
                                                           : QT_TRANSLATE_NOOP("Message", "MML ファイル \"%1\" を開けません。 %2"),
                                           {path, failure->reason}));
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
  std::cerr << Said(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1行目 %2文字目: NUL バイト \"<00>\" は MML に書けません。"),
                                  {std::to_string(line), std::to_string(column)}))
            << '\n';
  return true;
}


constexpr char kCompileHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli compile IN.mml OUT.mid
MML（CP932）のファイルをスタンダード MIDI ファイルにコンパイルする。失敗すると
コンパイラのメッセージを標準エラー出力に書き、終了ステータスは 1。
)");

}  // namespace

bool CompileToFile(const std::string& mml, const std::string& midPath) {
  if (ReportNul(mml)) return false;
  bool written;
  {
    const DeferInterrupts whileWriting;
    written = CompileMmlToMidi(mml, midPath);
  }
  if (written) return true;
  std::cerr << Said(Utf8FromCp932(LastCompileMessage())) << '\n';
  return false;
}

int RunCompile(ArgumentReader& args) {
  if (args.TakeFlag("--help")) {
    std::cout << Said(kCompileHelp);
    return 0;
  }
  const std::string in = args.TakePositional("IN.mml");
  const std::string out = args.TakePositional("OUT.mid");
  if (!args.AtEnd()) args.RejectNext();
  RefuseOutputOverInput(in, out);
  const std::string mml = ReadMmlFile(in);
  return CompileToFile(mml, out) ? 0 : 1;
}

}  // namespace volemo::cli
