#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "core/solver.h"

namespace vexlo::cli {

int RunSolve(CommandArgs args) {
  const auto parsed = ParseArgs(args, {}, 1);
  if (!parsed) return Usage();
  return ForEachLine(parsed->File(), [](int number, std::string_view line) {
    const auto puzzle = PuzzleFromLine(number, line);
    if (!puzzle) return false;
    const SolveResult result = Solve(*puzzle);
    std::cout << static_cast<int>(result.code) << ' ' << result.text << '\n';
    return true;
  });
}

}  // namespace vexlo::cli
