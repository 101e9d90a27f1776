#include "cli/board_input.h"

#include <iostream>

#include "cli/cli_io.h"
#include "storage/board_state.h"
#include "storage/text_file.h"

namespace vexlo::cli {

bool ReadBoardInput(const std::string& file, TPICSD33& board) {
  const std::optional<std::string> bytes = ReadInput(file);
  if (!bytes) return false;
  const std::vector<std::string> lines = SplitLines(DecodeTextBytes(*bytes));
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (lines[index].find_first_not_of(" \t\r\n\f\v") == std::string::npos) continue;
    const BoardStateReadResult result = ReadBoardState(board, lines[index]);
    if (!result) ReportBadLine(static_cast<int>(index) + 1, result.Message());
    return static_cast<bool>(result);
  }
  std::cerr << "vexlo-cli: no input line\n";
  return false;
}

}  // namespace vexlo::cli
