#pragma once
// Command-line arguments of one vexlo-cli command: options ("--name" or "--name VALUE")
// and operands (FILE, LEVEL ...). Anything not declared is a usage error.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexlo::cli {

struct OptionSpec {
  std::string_view name;  // with the dashes: "--create"
  bool takesValue = false;
};

struct ParsedArgs {
  std::map<std::string, std::string, std::less<>> options;  // a flag maps to ""
  std::vector<std::string> operands;

  bool Has(std::string_view name) const { return options.find(name) != options.end(); }
  std::string Value(std::string_view name, std::string fallback = {}) const;
  // The FILE operand; "-" (standard input) when absent.
  std::string File() const { return operands.empty() ? "-" : operands.front(); }
};

// nullopt on an undeclared option, a missing option value or more than `maxOperands`
// operands. "-" alone is an operand (standard input).
std::optional<ParsedArgs> ParseArgs(std::span<const std::string> args,
                                    std::span<const OptionSpec> options, std::size_t maxOperands);

}  // namespace vexlo::cli
