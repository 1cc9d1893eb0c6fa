#include "step_sounds.h"

namespace volemo {

StepSounds::StepSounds(const Settings& settings)
    : settings_(settings), gateN_(settings.Position("scrGateN")), gateM_(settings.Position("scrGateM")) {}

int StepSounds::DrawnGate(RandomSource& random) const {
  return static_cast<int>(random.Next(100)) < settings_.Position("scrMuteRate") ? gateM_ : gateN_;
}

StepSound StepSounds::Of(char symbol, int64_t start, int64_t length, RandomSource& random) const {
  StepSound s;
  switch (symbol) {
    case 'N': case 'B': s.gate = gateN_; s.notes[0] = {start, length}; s.count = 1; break;
    case 'm': s.gate = gateM_; s.notes[0] = {start, length}; s.count = 1; break;
    case 'W':
      s.gate = DrawnGate(random);
      s.notes = {StepNote{start, length}, StepNote{start, length}};
      s.count = 2;
      break;
    case 'd':
      s.gate = DrawnGate(random);
      s.notes = {StepNote{start, length / 2}, StepNote{start + length / 2, length - length / 2}};
      s.count = 2;
      s.tiedFrom = 1;
      break;
    default: break;
  }
  return s;
}

}  // namespace volemo
