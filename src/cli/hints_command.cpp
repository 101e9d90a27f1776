#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/rating_lines.h"

namespace vexlo::cli {
namespace {

// A hint text on one line: each CR LF becomes the two characters "\n".
std::string OneLine(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      out += "\\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

int RunHints(CommandArgs args) {
  return ForEachRatedPuzzle(args, [](const hints::PuzzleRating& rating) {
    for (const hints::RatingStep& step : rating.steps) {
      std::cout << OneLine(step.text) << '\t' << step.score << '\n';
    }
    std::cout << "--\n";
  });
}

}  // namespace vexlo::cli
