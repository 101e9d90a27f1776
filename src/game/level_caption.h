#pragma once
// The level line under the board: one language key per level.

#include <array>

namespace vexlo {

// The key of the level line's text for levels 0..5 ("Very Easy" .. "Unknown"); null for any
// other level, which leaves the line as it is.
inline const char* LevelCaptionKey(int level) {
  static constexpr std::array<const char*, 6> kKeys = {"msg_ndtxt_veryeasy",   "msg_ndtxt_gentle",
                                                       "msg_ndtxt_moderate",   "msg_ndtxt_tough",
                                                       "msg_ndtxt_diabolical", "msg_ndtxt_unkown"};
  return level >= 0 && level < static_cast<int>(kKeys.size()) ? kKeys[level] : nullptr;
}

}  // namespace vexlo
