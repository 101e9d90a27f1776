#pragma once
// Random numbers for the puzzle holder and the bank. The game seeds from the clock; tests
// and the bank generator seed explicitly or script the draws, so the order of draws matters
// and is fixed by the callers.

#include <cstdint>
#include <random>

namespace vexlo {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer in lo..hi (both included); lo <= hi.
  virtual int Uniform(int lo, int hi) = 0;
};

// 64-bit Mersenne Twister with an unbiased range reduction of our own, so the same seed
// gives the same numbers with every standard library.
class RandomEngine final : public RandomSource {
 public:
  explicit RandomEngine(std::uint64_t seed) : gen_(seed) {}
  static RandomEngine FromClock() { return RandomEngine(ClockSeed()); }
  static std::uint64_t ClockSeed();

  void Seed(std::uint64_t seed) { gen_.seed(seed); }
  int Uniform(int lo, int hi) override;

 private:
  std::mt19937_64 gen_;
};

}  // namespace vexlo
