#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "storage/board_state.h"
#include "storage/import_formats.h"
#include "storage/text_file.h"

namespace vexlo::cli {

// The whole input is the import editor's text; prints the recognised format and the
// Import-or-Create board afterwards.
int RunImport(CommandArgs args) {
  const auto parsed = ParseArgs(args, {}, 1);
  if (!parsed) return Usage();
  const std::optional<std::string> bytes = ReadInput(parsed->File());
  if (!bytes) return kExitBadInput;
  TPICSD33 board(BoardPreset::ImportCreate);
  ClearImportBoard(board);
  const ImportFormat format = ImportPuzzleText(board, SplitLines(DecodeTextBytes(*bytes)));
  std::cout << static_cast<int>(format) << '\n' << WriteBoardState(board) << '\n';
  return kExitOk;
}

}  // namespace vexlo::cli
