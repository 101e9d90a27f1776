#include "cli/cli_io.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "core/grid.h"

namespace vexlo::cli {
namespace {

std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::string> ReadInput(const std::string& file) {
  if (file == "-") {
    std::ostringstream all;
    all << std::cin.rdbuf();
    return all.str();
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::cerr << "vexlo-cli: cannot read " << file << "\n";
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int ForEachLine(const std::string& file, const LineHandler& handle) {
  const std::optional<std::string> text = ReadInput(file);
  if (!text) return kExitBadInput;
  int status = kExitOk;
  int number = 0;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = TrimEnd(rest.substr(0, end));
    ++number;
    if (!line.empty() && !handle(number, line)) status = kExitBadInput;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return status;
}

std::optional<std::string> FirstLine(const std::string& file) {
  std::optional<std::string> first;
  const int status = ForEachLine(file, [&](int, std::string_view line) {
    if (!first) first = std::string(line);
    return true;
  });
  if (!first && status == kExitOk) std::cerr << "vexlo-cli: no input line\n";
  return first;
}

void ReportBadLine(int lineNumber, std::string_view problem) {
  std::cerr << "vexlo-cli: line " << lineNumber << ": " << problem << "\n";
}

std::optional<std::string> PuzzleFromLine(int lineNumber, std::string_view line) {
  const std::string_view text = TrimText(line);
  if (text.size() != static_cast<std::size_t>(kCellCount)) {
    ReportBadLine(lineNumber, "expected 81 characters, found " + std::to_string(text.size()));
    return std::nullopt;
  }
  return std::string(text);
}

}  // namespace vexlo::cli
