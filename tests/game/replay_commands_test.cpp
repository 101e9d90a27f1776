// Replay files and the last game: save and load with the whole history, damaged files,
// cancelled dialogs, and the last game written on closing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "file_prompt_fixture.h"
#include "game/board_walk.h"
#include "game/replay_commands.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

namespace fs = std::filesystem;

struct ReplayFixture : FileGameFixture {
  fs::path Replay(const std::string& name) const {
    return fs::path(game.DataFolder) / kReplayFolder / name;
  }
  fs::path LastGame() const { return fs::path(game.DataFolder) / kLastGameFile; }
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Places the solution digit in the first `moves` open cells, one history step each.
void PlayMoves(Game& game, int moves) {
  ForEachCell(game.sd991, [&](int r, int c, TPicNode& cell) {
    if (moves == 0 || cell.state != CellState::Open) return;
    cell.state = CellState::BigNumber;
    cell.digits = SolutionDigit(r, c);
    game.RefreshBoard();
    --moves;
  });
}

// A Tough game with four moves: five steps.
void PlayToughGame(Game& game) {
  PlayPuzzle(game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
  game.sd991.nd = 3;
  game.StartHistory();
  PlayMoves(game, 4);
}

TEST(SaveReplay, LoadingItBackShowsTheLastOfAllStepsWithLevelAndClock) {
  ReplayFixture f;
  PlayToughGame(f.game);
  const std::vector<std::string> history = f.game.memostep;
  ASSERT_EQ(history.size(), 5u);
  f.game.stepIndex = 2;  // the whole history is kept wherever the board stands
  f.prompt.files = {f.Replay("five").string()};
  SaveReplay(f.game);
  EXPECT_EQ(f.prompt.dialogFolders.back(), f.game.DataFolder + "replay");

  const std::string bytes = ReadBytes(f.Replay("five"));
  EXPECT_EQ(bytes.substr(0, 2), "3 ");
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  f.game.NewGame(0);
  f.game.TimeLabel1.SetMS(5000);
  f.prompt.files = {f.Replay("five").string()};
  LoadReplay(f.game);

  EXPECT_TRUE(f.prompt.messages.empty());
  EXPECT_EQ(f.game.memostep, history);
  EXPECT_EQ(f.game.stepIndex, 4);
  EXPECT_EQ(WriteBoardState(f.game.sd991), history.back());
  EXPECT_EQ(f.game.sd991.nd, 3);
  EXPECT_EQ(f.game.ndtxt(), "  Level:Tough");
  EXPECT_EQ(f.game.QJ1.GetSolution(), kSolution);
  EXPECT_EQ(f.game.QJ1.GetPuzzle(), kPuzzle);
  EXPECT_TRUE(f.game.buttons.btback && f.game.buttons.btfirst);
  EXPECT_FALSE(f.game.buttons.btnext || f.game.buttons.btlast);
  EXPECT_TRUE(f.game.buttons.btStartBranch);
  EXPECT_TRUE(f.game.boardEnabled);
  EXPECT_TRUE(f.game.TimeLabel1.timerenabled);
  EXPECT_EQ(f.game.TimeLabel1.MS(), 0);
  EXPECT_EQ(f.game.SelectedDigit(), 1);

  // Saved again, the level stays what the file held.
  f.prompt.files = {f.Replay("again").string()};
  SaveReplay(f.game);
  EXPECT_EQ(ReadBytes(f.Replay("again")), bytes);
}

TEST(LoadReplay, KeepsAllStepsWhenTheLastHoldsNoBigNumber) {
  ReplayFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
  f.game.StartHistory();
  f.game.sd991.cell(1, 3).digits = "124";  // pencil marks only
  f.game.RefreshBoard();
  const std::vector<std::string> history = f.game.memostep;
  ASSERT_EQ(history.size(), 2u);
  f.prompt.files = {f.Replay("marks").string(), f.Replay("marks").string()};
  SaveReplay(f.game);
  f.game.NewGame(1);
  LoadReplay(f.game);

  EXPECT_EQ(f.game.memostep, history);
  EXPECT_EQ(f.game.sd991.cell(1, 3).digits, "124");
  EXPECT_EQ(f.game.mode, OperationMode::PencilAndPaper);
}

TEST(LoadReplay, ShowsEditedCandidatesInAllCandidates) {
  ReplayFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::AllCandidates);
  f.game.StartHistory();
  TPicNode& cell = f.game.sd991.cell(1, 3);
  ASSERT_GT(cell.digits.size(), 1u);
  cell.digits.pop_back();  // one candidate crossed out by the player
  const std::string edited = cell.digits;
  f.game.RefreshBoard();
  f.prompt.files = {f.Replay("cands").string(), f.Replay("cands").string()};
  SaveReplay(f.game);
  f.game.NewGame(2);
  LoadReplay(f.game);

  EXPECT_EQ(f.game.mode, OperationMode::AllCandidates);
  EXPECT_EQ(f.game.sd991.cell(1, 3).digits, edited);
  EXPECT_EQ(f.game.memostep.size(), 2u);
}

TEST(SaveReplay, OverwritesOnlyAfterYes) {
  ReplayFixture f;
  PlayToughGame(f.game);
  WriteBytes(f.Replay("old"), "keep me\r\n");

  f.prompt.files = {f.Replay("old").string()};
  f.prompt.answers = {false};
  SaveReplay(f.game);
  EXPECT_EQ(f.prompt.questions,
            std::vector<std::string>{"This File name already exits,OK to overwrite it?"});
  EXPECT_EQ(ReadBytes(f.Replay("old")), "keep me\r\n");

  f.prompt.files = {f.Replay("old").string()};
  f.prompt.answers = {true};
  SaveReplay(f.game);
  EXPECT_EQ(ReadBytes(f.Replay("old")).substr(0, 2), "3 ");
}

TEST(SaveReplay, ReportsAFolderThatCannotBeWritten) {
  ReplayFixture f;
  PlayToughGame(f.game);
  f.prompt.files = {(f.Replay("missing") / "folder" / "file").string()};
  SaveReplay(f.game);
  EXPECT_EQ(f.prompt.messages.size(), 1u);
}

TEST(LoadReplay, CancelledDialogChangesNothing) {
  ReplayFixture f;
  PlayToughGame(f.game);
  f.game.TimeLabel1.SetMS(7000);
  const std::vector<std::string> history = f.game.memostep;
  const std::string board = WriteBoardState(f.game.sd991);
  LoadReplay(f.game);  // no file chosen

  EXPECT_EQ(f.game.sd991.nd, 3);
  EXPECT_EQ(f.game.TimeLabel1.MS(), 7000);
  EXPECT_EQ(f.game.memostep, history);
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_TRUE(f.prompt.messages.empty());
}

struct DamagedFile {
  const char* label;
  std::string bytes;
};

std::string Step(char token) {
  std::string step;
  for (int i = 0; i < 81; ++i) step += i == 0 ? std::string(1, token) : ",3";
  return step;
}

const std::string kGoodStep = Step('3');

class DamagedReplay : public ::testing::TestWithParam<DamagedFile> {};

// Load Replay names the fault; Continue stays silent; neither touches the game.
TEST_P(DamagedReplay, LeavesTheCurrentGameAsItWas) {
  ReplayFixture f;
  PlayToughGame(f.game);
  f.game.TimeLabel1.SetMS(9000);
  const std::vector<std::string> history = f.game.memostep;
  const std::string board = WriteBoardState(f.game.sd991);
  WriteBytes(f.Replay("bad"), GetParam().bytes);
  WriteBytes(f.LastGame(), GetParam().bytes);

  f.prompt.files = {f.Replay("bad").string()};
  LoadReplay(f.game);
  ASSERT_EQ(f.prompt.messages.size(), 1u);
  EXPECT_NE(f.prompt.messages[0].find("bad"), std::string::npos);
  ContinueLastGame(f.game);
  EXPECT_EQ(f.prompt.messages.size(), 1u);

  EXPECT_EQ(f.game.memostep, history);
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_EQ(f.game.sd991.nd, 3);
  EXPECT_EQ(f.game.TimeLabel1.MS(), 9000);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedReplay,
    ::testing::Values(DamagedFile{"empty", ""}, DamagedFile{"two_lines", "3 000\r\n\r\n"},
                      DamagedFile{"letter_level", "x 000\r\n\r\n" + kGoodStep + "\r\n"},
                      DamagedFile{"bad_step", "1 000\r\n\r\n" + kGoodStep + "\r\n" + Step('x')},
                      DamagedFile{"truncated_step",
                                  "1 000\r\n\r\n" + kGoodStep.substr(0, 40) + ",,3\r\n"},
                      DamagedFile{"placeholder", "0 \r\n\r\nmemostep\r\n"},
                      DamagedFile{"binary", std::string("\0\xff\xfe\x01\r\x80junk", 11)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(LoadReplay, AcceptsByteOrderMarksAndBareLineEnds) {
  for (const std::string& bytes : {"\xEF\xBB\xBF"
                                   "1 \r\n\r\n" +
                                       kGoodStep + "\r\n",
                                   "1 \r\r" + kGoodStep + "\r"}) {
    ReplayFixture f;
    WriteBytes(f.Replay("ok"), bytes);
    ASSERT_TRUE(LoadReplayFile(f.game, f.Replay("ok")));
    EXPECT_EQ(f.game.memostep, std::vector<std::string>{kGoodStep});
    EXPECT_EQ(f.game.sd991.nd, 1);
  }
}

TEST(LastGame, ClosingWritesItAndContinueResumesIt) {
  ReplayFixture f;
  PlayToughGame(f.game);
  const std::vector<std::string> history = f.game.memostep;
  f.game.FormClose();
  EXPECT_TRUE(fs::exists(f.LastGame()));
  // Nothing but the file itself is left behind in the folder.
  for (const auto& entry : fs::directory_iterator(f.game.DataFolder)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == kLastGameFile || name == kReplayFolder) << name;
  }

  ReplayFixture next;
  fs::copy_file(f.LastGame(), next.LastGame());
  ContinueLastGame(next.game);
  EXPECT_EQ(next.game.memostep, history);
  EXPECT_EQ(next.game.ndtxt(), "  Level:Tough");
  EXPECT_TRUE(next.prompt.messages.empty());
}

TEST(LastGame, ClosingRightAfterStartThenContinueShowsNothing) {
  ReplayFixture f;
  f.game.FormClose();
  ContinueLastGame(f.game);
  EXPECT_FALSE(f.game.boardEnabled);
  EXPECT_TRUE(f.prompt.messages.empty());
  EXPECT_EQ(f.game.memostep, std::vector<std::string>{"memostep"});
}

TEST(LastGame, ARunWithoutAGameKeepsTheEarlierLastGame) {
  ReplayFixture f;
  WriteBytes(f.LastGame(), "1 \r\n\r\n" + kGoodStep + "\r\n");
  f.game.FormClose();
  EXPECT_EQ(ReadBytes(f.LastGame()), "1 \r\n\r\n" + kGoodStep + "\r\n");
}

}  // namespace
}  // namespace vexlo::testing
