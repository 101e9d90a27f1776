#pragma once
// The input loop shared by "rate" and "hints": every line a puzzle, rated from its givens to
// an end state by one engine.

#include <functional>

#include "cli/commands.h"
#include "hints/batch_rating.h"

namespace vexlo::cli {

// Parses [FILE], rates each puzzle line (characters other than "1".."9" read as "0") and
// hands the rating to `print`. Returns the exit status.
int ForEachRatedPuzzle(CommandArgs args,
                       const std::function<void(const hints::PuzzleRating&)>& print);

}  // namespace vexlo::cli
