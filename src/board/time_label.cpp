#include "board/time_label.h"

namespace vexlo {

void TTimeLabel::SetMS(std::int64_t ms) {
  ms_ = ms;
  caption_ = TimeText(ms / 1000);
}

std::string TTimeLabel::TimeText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  return std::to_string(seconds / 3600) + ":" + std::to_string(seconds % 3600 / 60) + ":" +
         std::to_string(seconds % 60);
}

}  // namespace vexlo
