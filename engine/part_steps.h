// A part's own rhythm source and step probability: a Euclidean rhythm in
// place of the part's drawn hits, and a chance for each hit to sound.
#pragma once

#include <cstdint>
#include <vector>

#include "accompaniment.h"
#include "part_writer.h"
#include "random_source.h"

namespace volemo {

// The onsets of the voicing's Euclidean rhythm over the part's steps,
// counted from the body's start and repeating: a 3-in-8 bass on eighths
// strikes the same three eighths of every 4/4 bar, a 3-in-5 one walks
// across the bar lines.
class PartOnsets {
 public:
  explicit PartOnsets(const PartVoicing& voicing);
  bool Euclidean() const { return !onsets_.empty(); }
  bool At(int step) const { return onsets_[static_cast<size_t>(step) % onsets_.size()]; }

 private:
  std::vector<bool> onsets_;  // empty: the part draws its own hits
};

// Drops each hit with probability 100 - percent, a dropped hit a rest,
// but a hit on a bar line stays when barTicks is given (the drums' kick
// and the bass's root there are the part's own rules); keys holds each
// hit's notes in order, or is empty when they are drawn after. Draws once
// a hit, nothing at 100 %.
void DropHits(std::vector<PartHit>& hits, std::vector<int>& keys, int percent, RandomSource& random,
              int64_t barTicks = 0);

// True for the notes struck at the first hit of their bar: where the bass
// puts the chord's root and the drums their kick.
bool FirstHitOfBar(const std::vector<PhraseNote>& notes, size_t index, int64_t barTicks);

}  // namespace volemo
