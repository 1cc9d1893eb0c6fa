#include "port_schedule.h"

#include <cstring>

namespace volemo {

void PortSchedule::Load(std::vector<TimedEvent> events, double length) {
  events_ = std::move(events);
  length_ = length;
  next_ = 0;
  passStart_ = 0;
  std::memset(sounding_, 0, sizeof sounding_);
  usedChannels_ = 0;
  clock_ = false;
  for (const TimedEvent& e : events_) {
    if (e.bytes[0] < 0xF0)
      usedChannels_ |= 1u << (e.bytes[0] & 0x0F);
    else
      clock_ = clock_ || e.bytes[0] == kClock;
  }
}

void PortSchedule::Count(const TimedEvent& e) {
  const int kind = e.bytes[0] & 0xF0, channel = e.bytes[0] & 0x0F, key = e.bytes[1] & 0x7F;
  uint8_t& count = sounding_[channel][key];
  if (kind == 0x90 && e.bytes[2] > 0) {
    if (count < 255) ++count;
  } else if ((kind == 0x80 || kind == 0x90) && count > 0) {
    --count;
  }
}

}  // namespace volemo
