#pragma once
// Runs the vexlo-cli binary with arguments and standard input, capturing both outputs.

#include <string>
#include <vector>

namespace vexlo::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// `input` goes to standard input; arguments are passed to the shell quoted.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input = "");

// Writes `text` to a fresh temporary file and returns its path.
std::string TempFileWith(const std::string& text);

}  // namespace vexlo::testing
