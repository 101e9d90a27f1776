#pragma once
// "games.dat": named saved games, 13 lines per record:
//   1      "Name=" + name as typed
//   2      level digit, one blank, the solution (81 digits, or nothing)
//   3..11  board rows 1..9: nine fields of 10 characters, state digit + digits, blank-padded
//   12, 13 empty
// The file is held as its list of lines and written back whole, so lines this code does not
// understand (a hand-edited or damaged record) are kept as they were.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"

namespace vexlo {

inline constexpr int kGameRecordLines = 13;

// One record as the list dialog shows it.
struct SavedGameEntry {
  std::string name;
  int line = 0;          // 1-based line number of its "Name=" line
  int level = -1;        // first character of the level line after trimming blanks; -1 when
                         // that is not a digit
  bool damaged = false;  // the record cannot be opened (see ReadSavedGame)
};

// A record's content, ready to be put on the board and into the puzzle holder.
struct SavedGame {
  int level = 0;
  std::string solution;  // characters 3 to 83 of the level line (may be short or empty)
  std::array<CellState, 81> states{};
  std::array<std::string, 81> digits;  // row-major
};

// The 11 board lines of a record: nine rows of fields, then two empty lines.
std::vector<std::string> BuildBoardLines(const TPICSD33& board);

// The 13 lines of a record. Line breaks in the name become blanks (they would split the
// record), and a cell field keeps only the distinct digits of the cell, so that it never
// grows past its 10 characters and shifts the fields after it.
std::vector<std::string> BuildGameRecord(std::string_view name, int level,
                                         std::string_view solution, const TPICSD33& board);

// Records in file order. A record starts at every line beginning with "Name=" (at or after
// the first one) and runs for 13 lines or up to the next "Name=" line, whichever is shorter.
std::vector<SavedGameEntry> ListSavedGames(const std::vector<std::string>& lines);

// 1-based line number of the first record named exactly `name` (case included), or 0.
int FindGame(const std::vector<std::string>& lines, std::string_view name);

// Removes the record named `name`; false when there is none.
bool DeleteGame(std::vector<std::string>& lines, std::string_view name);

// Appends a record at the end (the caller has dealt with an existing record of that name).
void AppendGame(std::vector<std::string>& lines, std::string_view name, int level,
                std::string_view solution, const TPICSD33& board);

// Renames a record; false when `oldName` does not exist or `newName` is taken.
bool RenameGame(std::vector<std::string>& lines, std::string_view oldName,
                std::string_view newName);

// The record whose "Name=" line is `line` (1-based); nothing when it is damaged: fewer than
// 11 lines, a level line that does not start with a digit, or a field without a state 1..3.
std::optional<SavedGame> ReadSavedGame(const std::vector<std::string>& lines, int line);

// Puts a record's states and digits on the board.
void ApplySavedGame(const SavedGame& game, TPICSD33& board);

}  // namespace vexlo
