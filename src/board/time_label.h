#pragma once
// The game clock: elapsed milliseconds shown as hours, minutes and seconds. The clock does not
// count by itself; the owner's timer calls Tick, which adds the nominal interval, so late or
// lost timer events are not made up.

#include <cstdint>
#include <functional>
#include <string>

namespace vexlo {

class TTimeLabel {
 public:
  bool timerenabled = false;
  int timeinterval = 100;         // milliseconds per tick
  std::function<void()> OnTimer;  // called by Fire, the owner's timer event

  std::int64_t MS() const { return ms_; }
  void SetMS(std::int64_t ms);
  const std::string& caption() const { return caption_; }

  void Tick() { SetMS(ms_ + timeinterval); }
  void Fire() const {
    if (OnTimer) OnTimer();
  }

  // "h:m:s" without leading zeros; a negative count shows as 0:0:0.
  static std::string TimeText(std::int64_t seconds);

 private:
  std::int64_t ms_ = 0;
  std::string caption_ = "0:0:0";
};

}  // namespace vexlo
