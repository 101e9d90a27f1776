#include <iostream>

#include "cli/commands.h"

namespace vexlo::cli {

namespace {

constexpr Command kCommands[] = {
    {"solve", "solve [FILE]", RunSolve},
    {"check", "check [--create] [FILE]", RunCheck},
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
