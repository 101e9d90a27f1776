#pragma once
// A random source that hands out prepared numbers in order and records every request, so
// tests can steer and check the order of draws.

#include <deque>
#include <utility>
#include <vector>

#include "core/random_engine.h"

namespace vexlo::testing {

class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::deque<int> values) : values_(std::move(values)) {}

  // The next prepared value; a value outside lo..hi or an empty script fails the test and
  // returns lo.
  int Uniform(int lo, int hi) override;

  const std::vector<std::pair<int, int>>& requests() const { return requests_; }
  bool exhausted() const { return values_.empty(); }

 private:
  std::deque<int> values_;
  std::vector<std::pair<int, int>> requests_;
};

}  // namespace vexlo::testing
