#pragma once
// Replay files and the last game ("lastgame.dat") share one layout:
//   1      level, one blank, the PuzzleString of the givens
//   2      the solution (81 digits) or an empty line
//   3...   the move history, one BoardStateString per step, step 0 first

#include <string>
#include <vector>

namespace vexlo {

struct ReplayData {
  int level = 0;
  std::string givens;    // line 1 from its third character on
  std::string solution;  // line 2
  std::vector<std::string> steps;
};

std::vector<std::string> BuildReplayLines(const ReplayData& replay);

struct ReplayParseResult {
  bool ok = false;
  ReplayData replay;
  std::string error;  // why the file cannot be loaded, for the player
  explicit operator bool() const { return ok; }
};

// Reads the lines of a replay file and checks all of it before anything is applied: a file
// without a step line, a first line that does not start with the level digit, or a step that
// ReadBoardState cannot convert is refused with a message naming the line.
ReplayParseResult ParseReplay(const std::vector<std::string>& lines);

}  // namespace vexlo
