#include <iostream>

#include "cli/commands.h"
#include "cli/rating_lines.h"

namespace vexlo::cli {

int RunRate(CommandArgs args) {
  return ForEachRatedPuzzle(args, [](const hints::PuzzleRating& rating) {
    std::cout << hints::ReportLine(rating) << '\n';
  });
}

}  // namespace vexlo::cli
