#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "core/solver.h"

namespace vexlo::cli {

int RunCheck(CommandArgs args) {
  static constexpr OptionSpec kOptions[] = {{"--create"}};
  const auto parsed = ParseArgs(args, kOptions, 1);
  if (!parsed) return Usage();
  const UniquenessCaller caller =
      parsed->Has("--create") ? UniquenessCaller::ImportOrCreate : UniquenessCaller::MainWindow;
  return ForEachLine(parsed->File(), [caller](int number, std::string_view line) {
    const auto puzzle = PuzzleFromLine(number, line);
    if (!puzzle) return false;
    const UniquenessResult check = CheckUniqueness(*puzzle, caller);
    if (check.result == Uniqueness::NoSolution) {
      std::cout << "1\n";
    } else {
      // A text the check leaves unassigned is written as "-".
      auto text = [](const std::string& s) { return s.empty() ? std::string("-") : s; };
      std::cout << static_cast<int>(check.result) << ' ' << text(check.s1) << ' ' << text(check.s2)
                << '\n';
    }
    return true;
  });
}

}  // namespace vexlo::cli
