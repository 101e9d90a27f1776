#pragma once
// A small logical solver that grades a puzzle by the hardest technique family it needs.
// The bank's levels follow this grade until the hint engine's score takes its place.

#include <string>

namespace vexlo::bankgen {

enum class Grade {
  HiddenSingles = 0,     // hidden singles alone solve it
  Singles = 1,           // naked singles needed as well
  LockedCandidates = 2,  // pointing or claiming needed
  Subsets = 3,           // naked or hidden pairs and triples needed
  Beyond = 4,            // none of the above finish it
};

// `puzzle`: 81 characters, "1".."9" givens, "0" empty; expected to have one solution.
Grade RateByTechniques(const std::string& puzzle);

}  // namespace vexlo::bankgen
