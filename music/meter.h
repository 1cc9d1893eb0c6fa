// Meters: how a bar divides into beats, in ticks of 480 a quarter note.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace volemo {

// The meters offered by name, in the order they are offered.
inline constexpr std::string_view kCommonMeters[] = {"2/4", "3/4", "4/4", "5/4", "6/8", "7/8", "12/8"};

// The ticks of a whole note in every file this program writes (480 a quarter).
inline constexpr int kWholeNoteTicks = 1920;

struct Meter {
  int numerator = 4;    // units of the bar
  int denominator = 4;  // the unit: 2, 4, 8, 16 or 32 (a half, quarter, ... note)
  std::vector<int> beats{1, 1, 1, 1};  // units of each beat, summing to numerator

  bool operator==(const Meter&) const = default;
};

// "N/D" with the beats the meter is usually counted in; throws
// std::invalid_argument with the reason for any other text, a numerator
// outside 1..32 or a denominator that is not 2, 4, 8, 16 or 32.
Meter ParseMeter(std::string_view text);

// "2+2+3": the beats of meter in its units. Throws std::invalid_argument
// with the reason when they are not positive or do not fill the bar.
std::vector<int> ParseBeats(std::string_view text, const Meter& meter);

// The beats written back as "2+2+3".
std::string BeatsText(const std::vector<int>& beats);

int BarTicks(const Meter& meter);
// The tick of each beat's start inside the bar, the first 0.
std::vector<int> BeatStarts(const Meter& meter);

enum class Accent { None, Beat, Bar };
// What a step starting at tick (from the first bar's start) begins.
Accent AccentAt(const Meter& meter, long long tick);

}  // namespace volemo
