// vexlo-cli rate and hints: the report line and the step log of the batch rating.
#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner_fixture.h"
#include "hints/batch_rating.h"

namespace vexlo {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFileWith;

const std::string kHard =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
const std::string kHardAsPuzzleString =
    "400030000000600800000000001000050090080000600070200000000102700503000040900000000";
const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(CliRate, PrintsTheReportLineOfEveryPuzzle) {
  const CliRun run = RunCli({"rate"}, "  " + kHard + " \r\n\n" + kSolved + "\n");
  EXPECT_EQ(run.status, 0);
  const std::string expected = hints::ReportLine(hints::RatePuzzle(kHardAsPuzzleString)) + "\n" +
                               kSolved + "\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.out.substr(0, 82), kHardAsPuzzleString + "\t");
  EXPECT_EQ(run.err, "");
}

TEST(CliRate, MalformedLineIsReportedAndTheOthersRated) {
  const CliRun run = RunCli({"rate", TempFileWith(kSolved + "\n12345\n" + kSolved + "\n")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, kSolved + "\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n" + kSolved +
                         "\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n");
  EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
}

TEST(CliHints, PrintsEveryStepAndASeparator) {
  const CliRun run = RunCli({"hints", "-"}, kHard + "\n" + kSolved + "\n");
  EXPECT_EQ(run.status, 0);
  std::string expected;
  for (const hints::RatingStep& step : hints::RatePuzzle(kHardAsPuzzleString).steps) {
    std::string text = step.text;
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\\n");
    expected += text + "\t" + std::to_string(step.score) + "\n";
  }
  expected += "--\n已全部解答完成!\t0\n--\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_NE(run.out.find("2 个数字只能存在于 2 个格子内。\\n在行I, 单元格 I4, I6\\n"),
            std::string::npos);
  const std::string firstStep = "在左下九宫格, I3 一定是 7\t1\n";
  EXPECT_EQ(run.out.substr(0, 2 * firstStep.size()), firstStep + firstStep);
}

TEST(CliRateHints, UnknownOptionIsAUsageError) {
  for (const char* command : {"rate", "hints"}) {
    const CliRun run = RunCli({command, "--fast"});
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
}  // namespace vexlo
