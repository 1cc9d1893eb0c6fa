// The program's one generator of random integers. A linear congruential
// generator whose exact arithmetic fixes the sequence a seed produces, so a
// seed reproduces a phrase byte for byte.
#pragma once

#include <cstdint>

namespace volemo {

class RandomSource {
 public:
  void Seed(uint32_t seed) { seed_ = seed; }
  uint32_t seed() const { return seed_; }

  // A value in 0..n-1 (0 when n is 0); every call advances the seed once.
  uint32_t Next(uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<uint32_t>((uint64_t{seed_} * n) >> 32);
  }

 private:
  uint32_t seed_ = 0;
};

// A generator of its own for one kind of draw, from a seed and the kind's
// salt, so that its draws neither take from nor move the main sequence.
inline RandomSource Stream(uint32_t seed, uint32_t salt) {
  RandomSource random;
  random.Seed(seed ^ salt);
  return random;
}

// The low 32 bits of a high-resolution clock: the start-up seed.
uint32_t ClockSeed();

}  // namespace volemo
