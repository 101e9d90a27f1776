#include "cli/rating_lines.h"

#include "cli/cli_args.h"
#include "cli/cli_io.h"

namespace vexlo::cli {

int ForEachRatedPuzzle(CommandArgs args,
                       const std::function<void(const hints::PuzzleRating&)>& print) {
  const auto parsed = ParseArgs(args, {}, 1);
  if (!parsed) return Usage();
  hints::HintEngine engine;
  return ForEachLine(parsed->File(), [&](int number, std::string_view line) {
    auto puzzle = PuzzleFromLine(number, line);
    if (!puzzle) return false;
    for (char& ch : *puzzle) {
      if (ch < '1' || ch > '9') ch = '0';
    }
    print(hints::RatePuzzle(engine, *puzzle));
    return true;
  });
}

}  // namespace vexlo::cli
