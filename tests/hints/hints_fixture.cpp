#include "hints_fixture.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "hints/hint_text.h"

namespace vexlo::hints::testing {

int Cell(std::string_view name) {
  if (name.size() != 2 || name[0] < 'A' || name[0] > 'I' || name[1] < '1' || name[1] > '9') {
    throw std::invalid_argument("bad cell name " + std::string(name));
  }
  return IndexOfBoardCell(name[0] - 'A' + 1, name[1] - '0');
}

namespace {

Mask MaskOf(std::string_view digits) {
  Mask m = 0;
  for (char ch : digits) m |= DigitBit(ch - '0');
  return m;
}

Mask TokenMask(const std::string& token) {
  if (token == ".") return kAllDigits;
  if (token == "*") return 0;
  if (token[0] == '-') return static_cast<Mask>(kAllDigits & ~MaskOf(token.substr(1)));
  return MaskOf(token);
}

}  // namespace

void LoadSketch(HintEngine& engine, std::initializer_list<std::string_view> rows) {
  if (rows.size() != 9) throw std::invalid_argument("a sketch has nine rows");
  LoadFullGrid(engine);
  int row = 1;
  for (std::string_view text : rows) {
    std::istringstream in{std::string(text)};
    std::string token;
    for (int col = 1; col <= 9; ++col) {
      if (!(in >> token)) throw std::invalid_argument("a sketch row has nine tokens");
      const int k = IndexOfBoardCell(row, col);
      engine.Cand[k] = TokenMask(token);
      if (token == "*") ++engine.SolvedCount;
    }
    ++row;
  }
}

void LoadFullGrid(HintEngine& engine) {
  engine.Reset();
  engine.LoadPuzzle("");
}

void LimitDigit(HintEngine& engine, int d, std::initializer_list<std::string_view> rows) {
  int row = 1;
  for (std::string_view text : rows) {
    for (int col = 1; col <= 9; ++col) {
      if (text.at(col - 1) == '.') {
        engine.Cand[IndexOfBoardCell(row, col)] &= static_cast<Mask>(~DigitBit(d));
      }
    }
    ++row;
  }
}

std::string CandText(const HintEngine& engine, std::string_view cell) {
  return DigitsPlain(engine.Cand[Cell(cell)]);
}

void SetUpBoard(TPICSD33& board, std::string_view puzzle, std::string_view openText) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      TPicNode& cell = board.cell(row, col);
      const char ch = puzzle.at(static_cast<std::size_t>(9 * (row - 1) + col - 1));
      const bool given = ch >= '1' && ch <= '9';
      cell.state = given ? CellState::Fixed : CellState::Open;
      cell.digits = given ? std::string(1, ch) : std::string(openText);
    }
  }
}

std::vector<std::string> ReadPuzzles(std::string_view file, int count, int stride) {
  std::ifstream in(std::string(VEXLO_PUZZLE_DIR) + "/" + std::string(file));
  if (!in) throw std::runtime_error("cannot read puzzle set " + std::string(file));
  std::vector<std::string> puzzles;
  std::string line;
  for (int n = 0; std::getline(in, line) && static_cast<int>(puzzles.size()) < count; ++n) {
    if (n % stride == 0) puzzles.push_back(line);
  }
  return puzzles;
}

}  // namespace vexlo::hints::testing
