#include "arrangement.h"

#include "composer.h"

namespace volemo {

std::string Arrangement::Mml() const {
  std::string mml;
  for (const Phrase& part : parts) mml += part.Mml();
  return mml;
}

Arrangement ComposeArrangement(Settings& settings, EngineState& state, const ArrangementSettings& arrangement) {
  MelodyOptions melody;
  melody.line = arrangement.line;
  Arrangement result;
  result.parts.push_back(ComposePhrase(settings, state, melody));
  return result;
}

}  // namespace volemo
