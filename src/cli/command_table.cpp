#include <iostream>

#include "cli/commands.h"

namespace vexlo::cli {

namespace {

constexpr Command kCommands[] = {
    {"solve", "solve [FILE]", RunSolve},
    {"check", "check [--create] [FILE]", RunCheck},
    {"rate", "rate [FILE]", RunRate},
    {"hints", "hints [FILE]", RunHints},
    {"import", "import [FILE]", RunImport},
    {"copy", "copy --layout nocand|cand|9x9|1x81 [--blank C] [FILE]", RunCopy},
    {"print", "print --style normal|cand --paper a4|a3|a2 [--lang en|zh|ja] [FILE]", RunPrint},
    {"bank", "bank LEVEL", RunBank},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

int Usage() {
  std::cerr << "usage:\n";
  for (const Command& command : kCommands) std::cerr << "  vexlo-cli " << command.synopsis << "\n";
  std::cerr << "FILE is read line by line; \"-\" or no FILE reads standard input.\n";
  return 2;
}

}  // namespace vexlo::cli
