#include "storage/import_formats.h"

#include <algorithm>

#include "storage/utf8.h"

namespace vexlo {

namespace {

bool IsDigit(char32_t ch) { return ch >= U'1' && ch <= U'9'; }
bool IsWhite(char32_t ch) { return ch <= 32; }

// The editor's whole text: its lines joined by CR LF.
std::u32string WholeText(const std::vector<std::string>& lines) {
  std::u32string text;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (index > 0) text += U"\r\n";
    text += Utf8ToUtf32(lines[index]);
  }
  return text;
}

std::u32string Trimmed(const std::u32string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsWhite);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsWhite).base();
  return first < last ? std::u32string(first, last) : std::u32string();
}

// All characters of all lines with white space left out.
std::u32string Joined(const std::vector<std::string>& lines) {
  std::u32string joined;
  for (const std::string& line : lines) {
    for (char32_t ch : Utf8ToUtf32(line)) {
      if (!IsWhite(ch)) joined += ch;
    }
  }
  return joined;
}

std::size_t DigitCount(const std::u32string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsDigit));
}

// The first character of `order` that occurs exactly `count` times in `text`, or 0.
template <std::size_t N>
char32_t BlankWithCount(const std::array<char32_t, N>& order, const std::u32string& text,
                        std::size_t count) {
  for (char32_t blank : order) {
    if (static_cast<std::size_t>(std::count(text.begin(), text.end(), blank)) == count) {
      return blank;
    }
  }
  return 0;
}

void LoadGrid(TPICSD33& board, std::u32string_view text) {
  for (int index = 0; index < 81; ++index) {
    TPicNode& cell = board.cell(index / 9 + 1, index % 9 + 1);
    const std::size_t at = static_cast<std::size_t>(index);
    if (at < text.size() && IsDigit(text[at])) {
      cell.state = CellState::BigNumber;
      cell.digits = std::string(1, static_cast<char>(text[at]));
    } else {
      cell.state = CellState::Open;
      cell.digits = "123456789";
    }
  }
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      TPicNode& cell = board.cell(row, col);
      if (cell.state == CellState::Open) cell.digits = board.FreeDigits(row, col);
    }
  }
  board.Touch();
}

void LoadDecorated(TPICSD33& board, const std::vector<std::string>& lines) {
  const std::u32string joined = Joined(lines);
  const std::size_t digits = DigitCount(joined);
  const char32_t blank = BlankWithCount(kBlankConversionOrder, joined, 81 - digits);
  std::u32string kept;
  for (char32_t ch : joined) {
    if (IsDigit(ch) || ch == blank) kept += ch;
  }
  LoadGrid(board, kept);
}

void LoadCandidateGrid(TPICSD33& board, const std::vector<std::string>& lines) {
  const std::array<std::string, 81> groups = SplitDigitGroups(lines);
  for (int index = 0; index < 81; ++index) {
    TPicNode& cell = board.cell(index / 9 + 1, index % 9 + 1);
    cell.digits = groups[static_cast<std::size_t>(index)];
    cell.state = cell.digits.size() == 1 ? CellState::BigNumber : CellState::Open;
  }
  board.Touch();
}

}  // namespace

ImportFormat DetectImportFormat(const std::vector<std::string>& lines) {
  if (Trimmed(WholeText(lines)).size() == 81) return ImportFormat::Line81;
  const std::u32string joined = Joined(lines);
  if (joined.size() == 81) return ImportFormat::NineRows;
  const std::size_t digits = DigitCount(joined);
  if (digits >= 82) return ImportFormat::CandidateGrid;
  if (BlankWithCount(kBlankRecognitionOrder, joined, 81 - digits) != 0) {
    return ImportFormat::Decorated;
  }
  return ImportFormat::Invalid;
}

void LoadGridFromText(TPICSD33& board, std::string_view text) {
  LoadGrid(board, Utf8ToUtf32(text));
}

std::array<std::string, 81> SplitDigitGroups(const std::vector<std::string>& lines) {
  // Every non-digit separates; runs of separators count once, and the ends carry none.
  std::vector<std::string> groups;
  std::string group;
  for (const std::string& line : lines) {
    for (char32_t ch : Utf8ToUtf32(line) + U'|') {
      if (IsDigit(ch)) {
        group += static_cast<char>(ch);
      } else if (!group.empty()) {
        groups.push_back(std::move(group));
        group.clear();
      }
    }
  }
  // Groups 1..80 fill cells 1..80; cell 81 takes group 81, or group 82 when the text holds
  // exactly 82 groups, or the last group when there are fewer than 81.
  std::array<std::string, 81> cells;
  if (groups.empty()) return cells;
  const std::size_t count = groups.size();
  for (std::size_t index = 0; index + 1 < count && index < 81; ++index)
    cells[index] = groups[index];
  if (count <= 82) {
    cells[80] = groups[count - 1];
  }
  return cells;
}

void ClearImportBoard(TPICSD33& board) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      board.cell(row, col).state = CellState::Open;
      board.cell(row, col).digits = "123456789";
    }
  }
  board.PaintAllCands();
  board.FindConflict();
  board.Touch();
}

ImportFormat ImportPuzzleText(TPICSD33& board, const std::vector<std::string>& lines) {
  const ImportFormat format = DetectImportFormat(lines);
  switch (format) {
    case ImportFormat::Line81:
      LoadGrid(board, Trimmed(WholeText(lines)));
      break;
    case ImportFormat::NineRows:
      LoadGrid(board, Joined(lines));
      break;
    case ImportFormat::Decorated:
      LoadDecorated(board, lines);
      break;
    case ImportFormat::CandidateGrid:
      LoadCandidateGrid(board, lines);
      break;
    case ImportFormat::Invalid:
      break;
  }
  board.FindConflict();
  board.PaintAllCands();
  return format;
}

}  // namespace vexlo
