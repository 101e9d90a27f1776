#include "core/random_engine.h"

#include <chrono>
#include <limits>

namespace vexlo {

std::uint64_t RandomEngine::ClockSeed() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::random_device device;
  return static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(device()) << 32);
}

int RandomEngine::Uniform(int lo, int hi) {
  const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
  // Reject the top partial block so every value has the same weight.
  const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                              std::numeric_limits<std::uint64_t>::max() % span;
  std::uint64_t x;
  do {
    x = gen_();
  } while (x >= limit);
  return static_cast<int>(lo + static_cast<std::int64_t>(x % span));
}

}  // namespace vexlo
