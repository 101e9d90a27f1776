// vexlo-cli solve, check and bank.
#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner_fixture.h"
#include "core/embedded_files.h"
#include "core/solver.h"

namespace vexlo {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFileWith;

const std::string kUnique =
    "000000010400000000020000000000050407008000300001090000300400200050100000000806000";
const std::string kSeveral =
    "...............................................................................12";
const std::string kFull =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

std::string SolveLine(const std::string& puzzle) {
  const SolveResult r = Solve(puzzle);
  return std::to_string(static_cast<int>(r.code)) + " " + r.text + "\n";
}

TEST(CliSolve, AnswersEveryLineInOrder) {
  std::string conflict = kUnique;
  conflict[1] = '4';  // a second 4 in box 1
  const CliRun run = RunCli({"solve"}, kUnique + "\n\n  " + kSeveral + " \r\n" + conflict + "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, SolveLine(kUnique) + SolveLine(kSeveral) + "1 " + conflict + "\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliSolve, MalformedLineIsReportedAndTheOthersStillAnswered) {
  const std::string input = kUnique + "\n" + kUnique.substr(2) + "\n\n" + kFull + "x\n" + kUnique;
  for (const CliRun& run : {RunCli({"solve", TempFileWith(input)}), RunCli({"solve", "-"}, input)}) {
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, SolveLine(kUnique) + SolveLine(kUnique));
    EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("line 4"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("line 5"), std::string::npos) << run.err;
  }
}

TEST(CliCheck, PrintsResultAndBothSolutions) {
  const UniquenessResult several = CheckUniqueness(kSeveral, UniquenessCaller::MainWindow);
  const std::string solution = Solve(kUnique).text;
  const CliRun run = RunCli({"check"}, kUnique + "\n" + kSeveral + "\n" + kFull + "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "0 " + solution + " " + solution + "\n" + "2 " + several.s1 + " " +
                         several.s2 + "\n" + "1\n");
}

TEST(CliCheck, CreateRuleTakesAFullBoardAsItsOwnSolution) {
  const CliRun run = RunCli({"check", "--create", "-"}, kFull + "\n" + kUnique + "\n");
  EXPECT_EQ(run.status, 0);
  const std::string solution = Solve(kUnique).text;
  EXPECT_EQ(run.out, "0 " + kFull + " -\n0 " + solution + " " + solution + "\n");
}

TEST(CliBank, WritesTheCarriedLinesOfALevel) {
  for (int level = 0; level < 5; ++level) {
    const CliRun run = RunCli({"bank", std::to_string(level)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, EmbeddedFile("bank/level" + std::to_string(level) + ".txt"));
    EXPECT_FALSE(run.out.empty());
  }
}

TEST(CliUsage, UnknownCommandOptionOrArgumentExitsWithTwo) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"frobnicate"}, {"check", "--creat"}, {"solve", "--create"},
        {"solve", "a", "b"}, {"bank"}, {"bank", "5"}, {"bank", "x"}, {"bank", "-1"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage"), std::string::npos);
  }
}

TEST(CliInput, UnreadableFileIsAnError) {
  const CliRun run = RunCli({"solve", "/nonexistent/puzzles.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("/nonexistent/puzzles.txt"), std::string::npos);
}

}  // namespace
}  // namespace vexlo
