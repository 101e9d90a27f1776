#include <iostream>

#include "cli/board_input.h"
#include "cli/cli_args.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "settings/language_active.h"
#include "storage/print_page.h"

namespace vexlo::cli {

namespace {

std::optional<PrintStyle> StyleNamed(std::string_view name) {
  if (name == "normal") return PrintStyle::Normal;
  if (name == "cand") return PrintStyle::WithCandidates;
  return std::nullopt;
}

std::optional<PaperSize> PaperNamed(std::string_view name) {
  if (name == "a4") return PaperSize::A4;
  if (name == "a3") return PaperSize::A3;
  if (name == "a2") return PaperSize::A2;
  return std::nullopt;
}

}  // namespace

// The printable page of a board-state string, with the heading of the chosen language
// (Chinese, as the program starts, unless --lang says otherwise).
int RunPrint(CommandArgs args) {
  constexpr OptionSpec kOptions[] = {{"--style", true}, {"--paper", true}, {"--lang", true}};
  const auto parsed = ParseArgs(args, kOptions, 1);
  if (!parsed) return Usage();
  const auto style = StyleNamed(parsed->Value("--style"));
  const auto paper = PaperNamed(parsed->Value("--paper"));
  const auto language = LanguageFromCode(parsed->Value("--lang", "zh"));
  if (!style || !paper || !language) return Usage();
  TPICSD33 board(BoardPreset::MainWindow);
  if (!ReadBoardInput(parsed->File(), board)) return kExitBadInput;
  const LanguageTable texts = BuiltInTable(*language);
  for (const std::string& line : BuildPrintPage(board, PrintBuilderFor(*style, *paper), texts)) {
    std::cout << line << '\n';
  }
  return kExitOk;
}

}  // namespace vexlo::cli
