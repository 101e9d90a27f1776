// Saved games: saving under a name, the list, opening, renaming and deleting, and what a
// damaged "games.dat" does to each of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "file_prompt_fixture.h"
#include "game/board_walk.h"
#include "game/saved_game_commands.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"
#include "storage/text_file.h"

namespace vexlo::testing {
namespace {

namespace fs = std::filesystem;

struct SavedFixture : FileGameFixture {
  fs::path Games() const { return fs::path(game.DataFolder) / kGamesFile; }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextFile(Games(), lines));
    return lines;
  }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const SavedGameEntry& entry : ListGames(game)) names.push_back(entry.name);
    return names;
  }

  // A Tough game with a fixed 5 at A1, a big number 4 at A3 and pencil marks 1, 3 at B2.
  void Play() {
    PlayPuzzle(game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
    game.sd991.cell(1, 3).state = CellState::BigNumber;
    game.sd991.cell(1, 3).digits = "4";
    game.sd991.cell(2, 2).digits = "13";
    game.sd991.nd = 3;
  }
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(SaveCurrentBoard, CreatesTheFileWithOneRecordOfTheBoard) {
  SavedFixture f;
  f.Play();
  SaveCurrentBoard(f.game, "First", 3);

  const std::vector<std::string> lines = f.Lines();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "Name=First");
  EXPECT_EQ(lines[1], "3 " + std::string(kSolution));
  EXPECT_EQ(lines[2].substr(0, 30), "15        13        24        ");
  EXPECT_EQ(lines[3].substr(10, 10), "313       ");
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], "");
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"Game has been saved"});
  EXPECT_EQ(ReadBytes(f.Games()).substr(ReadBytes(f.Games()).size() - 4), "\r\n\r\n");
}

TEST(SaveCurrentBoard, ReplacesANameInUseOnlyAfterYesAndMovesItToTheEnd) {
  SavedFixture f;
  f.Play();
  SaveCurrentBoard(f.game, "a", 0);
  SaveCurrentBoard(f.game, "A", 1);  // letter case makes another name
  SaveCurrentBoard(f.game, "b", 2);
  const std::string before = ReadBytes(f.Games());

  f.prompt.answers = {false};
  SaveCurrentBoard(f.game, "a", 4);
  EXPECT_EQ(f.prompt.questions.back(), "This Game board name already exits,OK to overwrite it?");
  EXPECT_EQ(ReadBytes(f.Games()), before);

  f.prompt.answers = {true};
  SaveCurrentBoard(f.game, "a", 4);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "b", "a"}));
  EXPECT_EQ(ListGames(f.game).back().level, 4);
}

TEST(OpenSavedGame, RestoresTheBoardLevelAndHolderWithAFreshHistory) {
  SavedFixture f;
  f.Play();
  const std::string saved = WriteBoardState(f.game.sd991);
  SaveCurrentBoard(f.game, "Tough one", 3);
  f.game.NewGame(0);
  f.game.TimeLabel1.SetMS(30000);

  ASSERT_TRUE(OpenSavedGame(f.game, "Tough one"));
  EXPECT_EQ(WriteBoardState(f.game.sd991), saved);  // pencil marks kept
  EXPECT_EQ(f.game.sd991.nd, 3);
  EXPECT_EQ(f.game.ndtxt(), "  Level:Tough");
  EXPECT_EQ(f.game.QJ1.GetSolution(), kSolution);
  EXPECT_EQ(f.game.QJ1.GetPuzzle(), kPuzzle);
  EXPECT_EQ(f.game.memostep, std::vector<std::string>{saved});
  EXPECT_EQ(f.game.mode, OperationMode::PencilAndPaper);
  EXPECT_EQ(f.game.SelectedDigit(), 1);
  EXPECT_EQ(f.game.TimeLabel1.MS(), 0);
  EXPECT_TRUE(f.game.TimeLabel1.timerenabled);
  EXPECT_TRUE(f.game.boardEnabled);
  EXPECT_TRUE(f.game.buttons.btStartBranch);
  EXPECT_FALSE(f.game.buttons.btback || f.game.buttons.btnext || f.game.buttons.btAccept);
}

TEST(OpenSavedGame, DropsComputedCandidatesAndShowsEditedOnes) {
  SavedFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::AllCandidates);
  SaveCurrentBoard(f.game, "computed", 0);
  f.game.sd991.cell(1, 3).digits.pop_back();
  const std::string edited = f.game.sd991.cell(1, 3).digits;
  SaveCurrentBoard(f.game, "edited", 0);

  ASSERT_TRUE(OpenSavedGame(f.game, "computed"));
  EXPECT_EQ(f.game.mode, OperationMode::PencilAndPaper);
  EXPECT_FALSE(AnyCell(f.game.sd991, [](const TPicNode& c) {
    return c.state == CellState::Open && !c.digits.empty();
  }));
  ASSERT_TRUE(OpenSavedGame(f.game, "edited"));
  EXPECT_EQ(f.game.mode, OperationMode::AllCandidates);
  EXPECT_EQ(f.game.sd991.cell(1, 3).digits, edited);
}

TEST(OpenSavedGame, NoGameChosenLeavesTheCurrentGameAlone) {
  SavedFixture f;
  f.Play();
  f.game.StartHistory();
  const std::string board = WriteBoardState(f.game.sd991);
  EXPECT_TRUE(f.Names().empty());  // the empty file is created
  EXPECT_TRUE(fs::exists(f.Games()));
  EXPECT_FALSE(OpenSavedGame(f.game, ""));
  EXPECT_FALSE(OpenSavedGame(f.game, "nothing of that name"));
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_EQ(f.game.QJ1.GetSolution(), kSolution);
  EXPECT_TRUE(f.prompt.messages.empty());
}

TEST(DeleteSavedGame, RemovesOnlyThatRecordAfterYes) {
  SavedFixture f;
  f.Play();
  for (const char* name : {"one", "two", "three"}) SaveCurrentBoard(f.game, name, 1);
  f.prompt.answers = {false, true};
  EXPECT_FALSE(DeleteSavedGame(f.game, "two"));
  EXPECT_EQ(f.prompt.questions.back(), "OK to delete it?");
  EXPECT_TRUE(DeleteSavedGame(f.game, "two"));
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(f.Lines().size(), 26u);
}

TEST(RenameSavedGame, AsksAgainWhileTheNameIsTaken) {
  SavedFixture f;
  f.Play();
  SaveCurrentBoard(f.game, "one", 1);
  SaveCurrentBoard(f.game, "two", 1);
  f.prompt.messages.clear();

  f.prompt.texts = {"one"};  // unchanged
  EXPECT_FALSE(RenameSavedGame(f.game, "one"));
  f.prompt.texts = {std::nullopt};  // cancelled
  EXPECT_FALSE(RenameSavedGame(f.game, "one"));

  f.prompt.inputs.clear();
  f.prompt.texts = {"two", "One"};
  EXPECT_EQ(RenameSavedGame(f.game, "one"), "One");
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"This Game board name already exits"});
  EXPECT_EQ(f.prompt.inputs, std::vector<std::string>(2, "Sudoku|Enter New Game Name|one"));
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"One", "two"}));
}

// A hand-edited or damaged file: the readable games stay listed and usable, the damaged one
// is marked, and changes keep every line the player did not delete.
TEST(SavedGamesFile, DamagedRecordsAreMarkedAndNeverDropped) {
  SavedFixture f;
  f.Play();
  SaveCurrentBoard(f.game, "good", 2);
  std::vector<std::string> lines = f.Lines();
  std::vector<std::string> bad = lines;
  bad[0] = "Name=bad";
  bad[1] = "x 123";  // a level line without its digit
  lines.insert(lines.begin(), "a stray line");
  lines.insert(lines.end(), bad.begin(), bad.end());
  std::vector<std::string> second = f.Lines();
  second[0] = "Name=after";
  lines.insert(lines.end(), second.begin(), second.end());
  // With a UTF-16 mark and bare CR line ends.
  std::string text;
  for (const std::string& line : lines) text += line + "\r";
  std::string utf16 = "\xFF\xFE";
  for (char ch : text) utf16 += std::string{ch, '\0'};
  ASSERT_TRUE(WriteFileAtomic(f.Games(), utf16));

  const std::vector<SavedGameEntry> entries = ListGames(f.game);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].name, "bad");
  EXPECT_TRUE(entries[1].damaged);
  EXPECT_EQ(SavedGameLevelText(f.game, entries[1]), "?");
  EXPECT_EQ(SavedGameLevelText(f.game, entries[2]), "Moderate");

  f.game.NewGame(0);
  const std::string board = WriteBoardState(f.game.sd991);
  EXPECT_FALSE(OpenSavedGame(f.game, "bad"));
  EXPECT_EQ(f.prompt.messages.back(), "The saved game \"bad\" is damaged and cannot be opened.");
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_TRUE(OpenSavedGame(f.game, "after"));

  f.prompt.answers = {true};
  ASSERT_TRUE(DeleteSavedGame(f.game, "good"));
  const std::vector<std::string> kept = f.Lines();
  EXPECT_EQ(kept.front(), "a stray line");
  EXPECT_EQ(kept.size(), lines.size() - 13);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"bad", "after"}));
}

}  // namespace
}  // namespace vexlo::testing
