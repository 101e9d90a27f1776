#include "storage/replay_file.h"

#include "storage/board_state.h"

namespace vexlo {

std::vector<std::string> BuildReplayLines(const ReplayData& replay) {
  std::vector<std::string> lines;
  lines.reserve(replay.steps.size() + 2);
  lines.push_back(std::to_string(replay.level) + " " + replay.givens);
  lines.push_back(replay.solution);
  lines.insert(lines.end(), replay.steps.begin(), replay.steps.end());
  return lines;
}

ReplayParseResult ParseReplay(const std::vector<std::string>& lines) {
  ReplayParseResult result;
  if (lines.size() < 3) {
    result.error = "The file holds no game: it has no step line.";
    return result;
  }
  const std::string& first = lines[0];
  if (first.empty() || first[0] < '0' || first[0] > '9') {
    result.error = "Line 1 does not start with the level.";
    return result;
  }
  TPICSD33 scratch;
  for (std::size_t index = 2; index < lines.size(); ++index) {
    const BoardStateReadResult read = ReadBoardState(scratch, lines[index]);
    if (!read) {
      result.error = "Line " + std::to_string(index + 1) + ": " + read.Message();
      return result;
    }
  }
  result.replay.level = first[0] - '0';
  result.replay.givens = first.size() > 2 ? first.substr(2) : std::string();
  result.replay.solution = lines[1];
  result.replay.steps.assign(lines.begin() + 2, lines.end());
  result.ok = true;
  return result;
}

}  // namespace vexlo
