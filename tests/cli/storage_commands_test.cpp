// vexlo-cli import, copy and print.
#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner_fixture.h"
#include "storage/board_state.h"
#include "storage/example_texts.h"
#include "storage/import_formats.h"

namespace vexlo {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFileWith;

const std::string kPuzzle =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

std::string Lines(const std::vector<std::string>& lines, const char* end = "\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The board state of kPuzzle with givens and empty open cells.
std::string PuzzleState() {
  std::string state;
  for (char ch : kPuzzle) {
    if (!state.empty()) state += ',';
    state += ch == '0' ? std::string("3") : std::string("1") + ch;
  }
  return state;
}

std::string ImportedState(const std::vector<std::string>& lines) {
  TPICSD33 board(BoardPreset::ImportCreate);
  ClearImportBoard(board);
  ImportPuzzleText(board, lines);
  return WriteBoardState(board);
}

TEST(CliImport, PrintsTheFormatAndTheBoard) {
  struct Case {
    const char* what;
    std::string input;
    std::vector<std::string> lines;
    int format;
  };
  const Case cases[] = {
      {"one line", kPuzzle + "\n", {kPuzzle}, 1},
      {"candidate grid with CR LF", Lines(testing::kImportExample4, "\r\n"),
       testing::kImportExample4, 4},
      {"framed grid behind a byte-order mark", "\xEF\xBB\xBF" + Lines(testing::kImportExample3),
       testing::kImportExample3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CliRun run = RunCli({"import", TempFileWith(c.input)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::to_string(c.format) + "\n" + ImportedState(c.lines) + "\n");
    EXPECT_EQ(run.err, "");
  }
}

TEST(CliImport, UnrecognisedTextLeavesTheFreshBoard) {
  std::string fresh;
  for (int k = 0; k < 81; ++k) fresh += (k ? "," : "") + std::string("3123456789");
  for (const std::string& input :
       {std::string("not a puzzle\n"), std::string(), std::string("\x80\xFF\0\0", 4)}) {
    const CliRun run = RunCli({"import"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0\n" + fresh + "\n");
  }
  EXPECT_EQ(RunCli({"import", "--frame"}).status, 2);
}

TEST(CliCopy, BuildsEachLayout) {
  const std::string input = "\n  \n" + PuzzleState() + "\nignored second line\n";
  std::string starred = kPuzzle;
  std::replace(starred.begin(), starred.end(), '0', '*');

  const CliRun nocand = RunCli({"copy", "--layout", "nocand"}, input);
  EXPECT_EQ(nocand.status, 0);
  EXPECT_EQ(nocand.out, Lines(testing::kNoCandidateExample));

  EXPECT_EQ(RunCli({"copy", "--layout", "1x81", "--blank", " * "}, input).out, starred + "\n");
  EXPECT_EQ(
      RunCli({"copy", "--blank", "ab", "--layout", "9x9", TempFileWith(input)}).out.substr(0, 10),
      ".86..9...\n");

  // The empty open cells were filled with their candidates before "With Candidates".
  const CliRun cand = RunCli({"copy", "--layout", "cand"}, input);
  EXPECT_EQ(cand.status, 0);
  const CliRun back = RunCli({"import"}, cand.out);
  EXPECT_EQ(back.out.substr(0, 2), "4\n");
  EXPECT_EQ(back.out.substr(2, 6), "31457,");
}

TEST(CliCopyAndPrint, MalformedInputAndOptions) {
  for (const std::string command : {"copy", "print"}) {
    SCOPED_TRACE(command);
    const std::vector<std::string> good =
        command == "copy" ? std::vector<std::string>{command, "--layout", "9x9"}
                          : std::vector<std::string>{command, "--style", "cand", "--paper", "a3"};
    CliRun run = RunCli(good, "\n\n15,3,,3\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("A3"), std::string::npos) << run.err;

    run = RunCli(good, "\n \n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(RunCli(good, "").status, 1);

    std::vector<std::string> bad = good;
    bad[2] = "huge";
    EXPECT_EQ(RunCli(bad, PuzzleState()).status, 2);
    EXPECT_EQ(RunCli({command}, PuzzleState()).status, 2);
  }
}

TEST(CliPrint, WritesThePageInTheChosenLanguage) {
  std::string state = PuzzleState();
  state.replace(0, 1, "31234789");  // seven candidates in cell A1
  const CliRun run = RunCli({"print", "--style", "cand", "--paper", "a2"}, state + "\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 201);
  EXPECT_NE(run.out.find("\n<font size=5>\xE6\x95\xB0\xE7\x8B\xAC</font><br>\n"),
            std::string::npos);
  EXPECT_NE(run.out.find(">123478<br/>9 &nbsp;</td>\n"), std::string::npos);
  EXPECT_EQ(run.out.find("\r"), std::string::npos);

  const CliRun english =
      RunCli({"print", "--lang", "en", "--paper", "a4", "--style", "normal", TempFileWith(state)});
  EXPECT_NE(english.out.find("\n<font size=5>Sudoku</font><br>\n"), std::string::npos);
  EXPECT_EQ(english.out.find("1234789"), std::string::npos);
  EXPECT_EQ(RunCli({"print", "--lang", "fr", "--paper", "a4", "--style", "normal"}, state).status,
            2);
}

}  // namespace
}  // namespace vexlo
