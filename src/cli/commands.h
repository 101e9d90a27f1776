#pragma once
// The vexlo-cli commands. Each lives in its own <name>_command.cpp and is listed once in
// command_table.cpp. A command gets the arguments after its name and returns the exit
// status (0 ok, 1 malformed input, 2 usage).

#include <span>
#include <string>
#include <string_view>

namespace vexlo::cli {

using CommandArgs = std::span<const std::string>;

struct Command {
  std::string_view name;
  std::string_view synopsis;  // for the usage text, after "vexlo-cli "
  int (*run)(CommandArgs args);
};

std::span<const Command> Commands();

// The usage text on standard error; returns 2.
int Usage();

int RunSolve(CommandArgs args);
int RunCheck(CommandArgs args);
int RunBank(CommandArgs args);
int RunImport(CommandArgs args);
int RunCopy(CommandArgs args);
int RunPrint(CommandArgs args);
int RunRate(CommandArgs args);
int RunHints(CommandArgs args);

}  // namespace vexlo::cli
