#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "core/puzzle_bank.h"

namespace vexlo::cli {

int RunBank(CommandArgs args) {
  const auto parsed = ParseArgs(args, {}, 1);
  if (!parsed || parsed->operands.size() != 1) return Usage();
  const std::string& level = parsed->operands.front();
  if (level.size() != 1 || level[0] < '0' || level[0] >= '0' + kBankLevels) return Usage();
  for (const std::string& line : Tfrmtk::Builtin().List(level[0] - '0')) std::cout << line << '\n';
  return 0;
}

}  // namespace vexlo::cli
