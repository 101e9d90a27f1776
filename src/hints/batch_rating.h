#pragma once
// The batch rating: runs the hint engine over a puzzle from its givens to an end state, every
// finding carried out in the grid only, and reports the difficulty score with the number of
// findings of each kind and the text of every step.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hints/hint_engine.h"

namespace vexlo::hints {

struct RatingStep {
  std::string text;  // the hint box after the step (a placement repeats its single's text)
  int score = 0;     // the score so far
};

struct PuzzleRating {
  std::string puzzle;
  int score = 0;
  std::array<int, kFindingKinds> findingCount{};
  std::vector<RatingStep> steps;
};

// Rates one PuzzleString ("1".."9" givens, anything else an empty cell). The engine should
// have no board attached: nothing is written anywhere but its grid. afterStep, when given,
// sees the engine after every step.
PuzzleRating RatePuzzle(HintEngine& engine, std::string_view puzzle,
                        const std::function<void(const HintEngine&)>& afterStep = {});
PuzzleRating RatePuzzle(std::string_view puzzle);

// The report line: the puzzle, the score and the twelve finding counts, separated by TAB.
std::string ReportLine(const PuzzleRating& rating);

}  // namespace vexlo::hints
