#include "storage/saved_games.h"

#include <algorithm>

namespace vexlo {

namespace {

constexpr std::string_view kNamePrefix = "Name=";
constexpr std::size_t kFieldWidth = 10;

bool IsNameLine(const std::string& line) { return line.starts_with(kNamePrefix); }

std::string NameLine(std::string_view name) {
  std::string line(kNamePrefix);
  line += name;
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

// The distinct digits of a cell in their own order.
std::string FieldDigits(const std::string& digits) {
  std::string result;
  for (char ch : digits) {
    if (ch >= '1' && ch <= '9' && result.find(ch) == std::string::npos) result += ch;
  }
  return result;
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// [first, end) 0-based line indexes of every record.
struct Span {
  std::size_t first;
  std::size_t end;
};

std::vector<Span> RecordSpans(const std::vector<std::string>& lines) {
  std::vector<Span> spans;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (!IsNameLine(lines[index])) continue;
    std::size_t end = index + 1;
    while (end < lines.size() && end - index < kGameRecordLines && !IsNameLine(lines[end])) ++end;
    spans.push_back({index, end});
  }
  return spans;
}

std::optional<Span> SpanOf(const std::vector<std::string>& lines, std::string_view name) {
  for (const Span& span : RecordSpans(lines)) {
    if (std::string_view(lines[span.first]).substr(kNamePrefix.size()) == name) return span;
  }
  return std::nullopt;
}

std::optional<SavedGame> ParseRecord(const std::vector<std::string>& lines, const Span& span) {
  if (span.end - span.first < 11) return std::nullopt;
  const std::string& levelLine = lines[span.first + 1];
  if (levelLine.empty() || levelLine[0] < '0' || levelLine[0] > '9') return std::nullopt;
  SavedGame game;
  game.level = levelLine[0] - '0';
  if (levelLine.size() > 2) game.solution = levelLine.substr(2, 81);
  for (int row = 0; row < 9; ++row) {
    const std::string& line = lines[span.first + 2 + row];
    for (int col = 0; col < 9; ++col) {
      const std::size_t at = static_cast<std::size_t>(col) * kFieldWidth;
      if (at >= line.size() || line[at] < '1' || line[at] > '3') return std::nullopt;
      game.states[row * 9 + col] = static_cast<CellState>(line[at] - '0');
      game.digits[row * 9 + col] =
          TrimBlanks(std::string_view(line).substr(at + 1, kFieldWidth - 1));
    }
  }
  return game;
}

}  // namespace

std::vector<std::string> BuildBoardLines(const TPICSD33& board) {
  std::vector<std::string> lines;
  for (int row = 1; row <= 9; ++row) {
    std::string line;
    for (int col = 1; col <= 9; ++col) {
      const TPicNode& cell = board.cell(row, col);
      std::string field = std::to_string(static_cast<int>(cell.state)).substr(0, 1);
      field += FieldDigits(cell.digits);
      field.resize(kFieldWidth, ' ');
      line += field;
    }
    lines.push_back(line);
  }
  lines.emplace_back();
  lines.emplace_back();
  return lines;
}

std::vector<std::string> BuildGameRecord(std::string_view name, int level,
                                         std::string_view solution, const TPICSD33& board) {
  std::vector<std::string> record;
  record.push_back(NameLine(name));
  record.push_back(std::to_string(level) + " " + std::string(solution));
  for (std::string& line : BuildBoardLines(board)) record.push_back(std::move(line));
  return record;
}

std::vector<SavedGameEntry> ListSavedGames(const std::vector<std::string>& lines) {
  std::vector<SavedGameEntry> entries;
  for (const Span& span : RecordSpans(lines)) {
    SavedGameEntry entry;
    entry.name = lines[span.first].substr(kNamePrefix.size());
    entry.line = static_cast<int>(span.first) + 1;
    if (span.first + 1 < span.end) {
      const std::string level = TrimBlanks(lines[span.first + 1]);
      if (!level.empty() && level[0] >= '0' && level[0] <= '9') entry.level = level[0] - '0';
    }
    entry.damaged = !ParseRecord(lines, span).has_value();
    entries.push_back(std::move(entry));
  }
  return entries;
}

int FindGame(const std::vector<std::string>& lines, std::string_view name) {
  const auto span = SpanOf(lines, name);
  return span ? static_cast<int>(span->first) + 1 : 0;
}

bool DeleteGame(std::vector<std::string>& lines, std::string_view name) {
  const auto span = SpanOf(lines, name);
  if (!span) return false;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span->first),
              lines.begin() + static_cast<std::ptrdiff_t>(span->end));
  return true;
}

void AppendGame(std::vector<std::string>& lines, std::string_view name, int level,
                std::string_view solution, const TPICSD33& board) {
  for (std::string& line : BuildGameRecord(name, level, solution, board)) {
    lines.push_back(std::move(line));
  }
}

bool RenameGame(std::vector<std::string>& lines, std::string_view oldName,
                std::string_view newName) {
  const auto span = SpanOf(lines, oldName);
  if (!span || FindGame(lines, newName) != 0) return false;
  lines[span->first] = NameLine(newName);
  return true;
}

std::optional<SavedGame> ReadSavedGame(const std::vector<std::string>& lines, int line) {
  for (const Span& span : RecordSpans(lines)) {
    if (static_cast<int>(span.first) + 1 == line) return ParseRecord(lines, span);
  }
  return std::nullopt;
}

void ApplySavedGame(const SavedGame& game, TPICSD33& board) {
  for (int index = 0; index < 81; ++index) {
    TPicNode& cell = board.cell(index / 9 + 1, index % 9 + 1);
    cell.state = game.states[index];
    cell.digits = game.digits[index];
  }
  board.Touch();
}

}  // namespace vexlo
