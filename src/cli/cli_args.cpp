#include "cli/cli_args.h"

#include <algorithm>

namespace vexlo::cli {

std::string ParsedArgs::Value(std::string_view name, std::string fallback) const {
  const auto it = options.find(name);
  return it == options.end() ? fallback : it->second;
}

std::optional<ParsedArgs> ParseArgs(std::span<const std::string> args,
                                    std::span<const OptionSpec> options, std::size_t maxOperands) {
  ParsedArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() > 1 && arg[0] == '-') {
      const auto option = std::find_if(options.begin(), options.end(),
                                     [&](const OptionSpec& o) { return o.name == arg; });
      if (option == options.end()) return std::nullopt;
      std::string value;
      if (option->takesValue) {
        if (++i >= args.size()) return std::nullopt;
        value = args[i];
      }
      parsed.options[arg] = value;
    } else {
      parsed.operands.push_back(arg);
    }
  }
  if (parsed.operands.size() > maxOperands) return std::nullopt;
  return parsed;
}

}  // namespace vexlo::cli
