#include <iostream>

#include "cli/board_input.h"
#include "cli/cli_args.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "storage/copy_layouts.h"

namespace vexlo::cli {

namespace {

std::optional<CopyLayout> LayoutNamed(std::string_view name) {
  if (name == "nocand") return CopyLayout::NoCandidate;
  if (name == "cand") return CopyLayout::WithCandidates;
  if (name == "9x9") return CopyLayout::Grid9x9;
  if (name == "1x81") return CopyLayout::Line1x81;
  return std::nullopt;
}

}  // namespace

// The copy dialog's text for a board-state string: empty cells filled as the copy command
// does, then the chosen layout.
int RunCopy(CommandArgs args) {
  constexpr OptionSpec kOptions[] = {{"--layout", true}, {"--blank", true}};
  const auto parsed = ParseArgs(args, kOptions, 1);
  if (!parsed) return Usage();
  const auto layout = LayoutNamed(parsed->Value("--layout"));
  if (!layout) return Usage();
  TPICSD33 board(BoardPreset::MainWindow);
  if (!ReadBoardInput(parsed->File(), board)) return kExitBadInput;
  FillEmptyCellsForCopy(board);
  const std::string blank = BlankCharacter(parsed->Value("--blank", "."));
  for (const std::string& line : BuildCopyLayout(board, *layout, blank)) std::cout << line << '\n';
  return kExitOk;
}

}  // namespace vexlo::cli
