#pragma once
// The built-in bank: five lists of bank lines, one per level 0..4 (Very Easy .. Diabolical),
// compiled in from data/bank/level<N>.txt. A new game draws one line uniformly at random.

#include <span>
#include <string>
#include <vector>

#include "core/puzzle_holder.h"
#include "core/random_engine.h"

namespace vexlo {

inline constexpr int kBankLevels = 5;

class Tfrmtk {
 public:
  // The lists carried by the program.
  static const Tfrmtk& Builtin();

  explicit Tfrmtk(std::vector<std::vector<std::string>> lists);

  // Lines of a level in stored order; empty for a level outside 0..4.
  std::span<const std::string> List(int level) const;

 private:
  std::vector<std::vector<std::string>> lists_;
};

// Picks one of the n lines uniformly and loads it into the holder (decode + 200
// transformations), drawing from `rng`. False, holder unchanged, when the list is empty.
bool DrawFromList(TQJ& holder, std::span<const std::string> lines, RandomSource& rng);

// A line of the built-in bank for `level`, drawn with the holder's random source.
// False, holder unchanged, for a level outside 0..4.
bool DrawBankPuzzle(TQJ& holder, int level);

}  // namespace vexlo
