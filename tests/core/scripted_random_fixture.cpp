#include "core/scripted_random_fixture.h"

#include <gtest/gtest.h>

namespace vexlo::testing {

int ScriptedRandom::Uniform(int lo, int hi) {
  requests_.emplace_back(lo, hi);
  if (values_.empty()) {
    ADD_FAILURE() << "random script exhausted";
    return lo;
  }
  const int v = values_.front();
  values_.pop_front();
  EXPECT_TRUE(v >= lo && v <= hi) << v << " outside " << lo << ".." << hi;
  return v < lo || v > hi ? lo : v;
}

}  // namespace vexlo::testing
