#include "port_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volemo {
namespace {

// What the schedule hands out, as "seconds:status,key,value" or, released,
// "status,key,value".
struct Log {
  std::vector<std::string> lines;
  void Timed(double due, const uint8_t* b, size_t) {
    lines.push_back(std::to_string(static_cast<int>(due * 1000)) + "ms:" + Bytes(b));
  }
  static std::string Bytes(const uint8_t* b) {
    return std::to_string(b[0]) + "," + std::to_string(b[1]) + "," + std::to_string(b[2]);
  }
};

TEST(PortSchedule, LoopsWithoutAGapAndReleasesWhatStillSounds) {
  PortSchedule schedule;
  // A note of 0.25 s and one held past the end of the half-second phrase.
  schedule.Load({{0.0, 0, 3, {0x90, 60, 100}}, {0.25, 0, 3, {0x80, 60, 0}}, {0.25, 0, 3, {0x91, 64, 90}}}, 0.5);
  schedule.SetLoop(true);
  Log log;
  const auto timed = [&](double due, const uint8_t* b, size_t n) { log.Timed(due, b, n); };
  schedule.EmitUntil(0.25, timed);  // due at 0.25 waits for the next stretch
  schedule.EmitUntil(0.6, timed);
  EXPECT_FALSE(schedule.Ended(10));
  EXPECT_DOUBLE_EQ(schedule.Position(0.6), 0.1);
  schedule.SetLoop(false);
  schedule.EmitUntil(5, timed);
  EXPECT_FALSE(schedule.Ended(0.99));
  EXPECT_TRUE(schedule.Ended(1.0));
  schedule.Release([&](const uint8_t* b, size_t) { log.lines.push_back(Log::Bytes(b)); });
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "0ms:144,60,100", "250ms:128,60,0", "250ms:145,64,90",     // the first pass
                           "500ms:144,60,100", "750ms:128,60,0", "750ms:145,64,90",   // the second
                           "176,64,0", "176,123,0",                                    // channel 1: ended
                           "129,64,0", "129,64,0", "177,64,0", "177,123,0",            // channel 2: held twice
                       }));
}

// A file of rests only (no channel events, a length all the same) looping
// into a port: nothing to hand out, never an event past the list's end.
TEST(PortSchedule, LoopingAPhraseWithoutEventsEmitsNothing) {
  PortSchedule schedule;
  schedule.Load({}, 2.0);
  schedule.SetLoop(true);
  int emitted = 0;
  schedule.EmitUntil(10, [&](double, const uint8_t*, size_t) { ++emitted; });
  EXPECT_EQ(emitted, 0);
  EXPECT_FALSE(schedule.Ended(10));
}

}  // namespace
}  // namespace volemo
