// vexlo-cli: the engine on the command line.
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char* argv[]) {
  using namespace vexlo::cli;
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& command : Commands()) {
    if (command.name == name) return command.run(args);
  }
  return Usage();
}
