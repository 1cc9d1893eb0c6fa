#include <iostream>

#include "commands.h"
#include "pattern_source.h"
#include "session.h"
#include "translatable.h"
#include "language.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

constexpr char kPatternHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli pattern [OPTIONS]
ランダムなリズムパターンを引き、標準出力に書く。

)");
constexpr char kPatternTrailer[] = QT_TRANSLATE_NOOP("Message", R"(グルーヴのオプションのうち --euclid K,N[,R] で、パターンをユークリッドリズムとして引く。
)");

}  // namespace

int RunPattern(ArgumentReader& args) {
  SessionOptions options;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << Said(kPatternHelp) << Said(kSessionOptionsHelp) << Said(kPatternTrailer);
      return 0;
    }
    if (!TakeSessionOption(args, options)) args.RejectNext();
  }
  Session session(options);
  // A preset's other groove settings are the phrase's, not the pattern's.
  const GrooveSettings given = ReadPartValues(options.partValues).groove;
  GrooveSettings euclidOnly;
  euclidOnly.euclid = given.euclid;
  if (!(given == euclidOnly)) throw UsageError(QT_TRANSLATE_NOOP("Message", "グルーヴのオプションのうち pattern に使えるのは --euclid だけです"));
  euclidOnly.euclid = session.parts.groove.euclid;
  DrawPattern(session.settings, session.state, euclidOnly);
  WriteOutput(session.settings.PatternText());
  return 0;
}

}  // namespace volemo::cli
