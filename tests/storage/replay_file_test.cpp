#include "storage/replay_file.h"

#include <gtest/gtest.h>

#include "storage/board_fixture.h"
#include "storage/board_state.h"

namespace vexlo {
namespace {

using testing::kExamplePuzzle;

TEST(ReplayFileTest, RoundTripKeepsEveryStep) {
  ReplayData replay;
  replay.level = 3;
  replay.givens = std::string(kExamplePuzzle);
  replay.solution = "";
  TPICSD33 board = testing::BoardFromPuzzle(kExamplePuzzle);
  for (int step = 0; step < 5; ++step) {
    board.cell(1, 1).digits = std::to_string(step + 1);
    replay.steps.push_back(WriteBoardState(board));
  }
  const std::vector<std::string> lines = BuildReplayLines(replay);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "3 " + std::string(kExamplePuzzle));
  EXPECT_EQ(lines[1], "");

  const ReplayParseResult parsed = ParseReplay(lines);
  ASSERT_TRUE(parsed) << parsed.error;
  EXPECT_EQ(parsed.replay.level, 3);
  EXPECT_EQ(parsed.replay.givens, replay.givens);
  EXPECT_EQ(parsed.replay.steps, replay.steps);
}

TEST(ReplayFileTest, DamagedFilesAreRefusedWithTheLine) {
  const std::string step = WriteBoardState(testing::BoardFromPuzzle(kExamplePuzzle));
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::string mentions;
  };
  const Case cases[] = {
      {"empty file", {}, "no step"},
      {"no step line", {"1 " + std::string(kExamplePuzzle), ""}, "no step"},
      {"last game written before any game", {"0 ", "", "memostep"}, "Line 3"},
      {"level is not a digit", {"x 0", "", step}, "Line 1"},
      {"a bad step in the middle", {"2 0", "", step, "15,,3", step}, "Line 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ReplayParseResult parsed = ParseReplay(c.lines);
    EXPECT_FALSE(parsed);
    EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
  }
}

}  // namespace
}  // namespace vexlo
