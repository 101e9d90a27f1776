#pragma once
// TQJ, the puzzle holder: the current puzzle's givens and, when known, its solution.
// Bank lines are decoded into it and disguised by random symmetry-keeping transformations.

#include <array>
#include <string>
#include <string_view>

#include "core/random_engine.h"

namespace vexlo {

struct TNode {
  int row = 0;         // 1..9, fixed when a bank line is decoded
  int col = 0;         // 1..9
  int value = 0;       // solution digit 1..9, 0 when unknown
  bool given = false;  // a given of the puzzle
};

// Why a text was refused. The holder is left unchanged except where noted.
enum class LoadError {
  None,
  BadLength,     // LoadPuzzle / LoadSolution: values are cleared, given flags stay
  BadCharacter,  // holder unchanged
};

class TQJ {
 public:
  // Draws from its own engine, seeded from the clock.
  TQJ();

  // Draws from `source` instead (tests, tools); nullptr returns to the own engine.
  // The source must outlive the holder's use of it.
  void SetRandomSource(RandomSource* source) { external_ = source; }
  RandomSource& Random() { return external_ ? *external_ : own_; }

  // Decodes a bank line (digits are givens, "A".."I" open cells with solution 1..9),
  // then Shuffle(200). Any other character or length: refused, holder unchanged.
  LoadError LoadBankLine(std::string_view line);

  // n random transformations: column swaps within a stack, row swaps within a band and
  // exchanges of two digits. Nothing when n < 1.
  void Shuffle(int n);

  std::string GetSolution() const;  // empty when any value is outside 1..9
  std::string GetPuzzle() const;    // "0" where not given
  void ClearValues();
  LoadError LoadPuzzle(std::string_view s);
  LoadError LoadSolution(std::string_view s);

  // 1-based.
  TNode& node(int row, int col) { return nodes_[row - 1][col - 1]; }
  const TNode& node(int row, int col) const { return nodes_[row - 1][col - 1]; }

 private:
  // Trims `s`; a wrong length clears the values (BadLength), a character other than a
  // digit gives BadCharacter and changes nothing.
  LoadError AcceptText(std::string_view& s);
  void SwapColumns(int c1, int c2);
  void SwapRows(int r1, int r2);
  void ExchangeDigits(int x, int y);

  std::array<std::array<TNode, 9>, 9> nodes_{};
  RandomEngine own_;
  RandomSource* external_ = nullptr;
};

}  // namespace vexlo
