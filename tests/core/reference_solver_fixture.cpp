#include "core/reference_solver_fixture.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <vector>

namespace vexlo::testing {
namespace {

// Values and candidate flags, [row][col] 1-based; flag k of a cell is bit k of its mask.
// rowN, colN and boxN count the cells of a unit holding flag k; FindPossibilities keeps
// them, so CountPossValue need not walk the unit.
struct Grid {
  int value[10][10] = {};
  unsigned cand[10][10] = {};
  unsigned char rowN[10][10] = {};
  unsigned char colN[10][10] = {};
  unsigned char boxN[9][10] = {};
};

bool Has(unsigned mask, int k) { return (mask >> k) & 1u; }

class LiteralSolver {
 public:
  explicit LiteralSolver(long nodeCap) : cap_(nodeCap) {}

  std::optional<SolveResult> Solve(std::string_view text) {
    if (text.size() != 81) return std::nullopt;
    g_ = Grid{};
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) {
        const char ch = text[9 * (r - 1) + (c - 1)];
        g_.value[r][c] = ch >= '1' && ch <= '9' ? ch - '0' : 0;
      }
    }
    FindPossibilities();
    SolveCode code = SolveCode::NotSolved;
    if (!Check()) {
      SolveBruteForce();
      if (capped_) return std::nullopt;
      code = Check() ? SolveCode::Solved : SolveCode::NotSolved;
    }
    std::string out;
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) out += static_cast<char>('0' + g_.value[r][c]);
    }
    return SolveResult{code, out};
  }

 private:
  static int BoxIndex(int r, int c) { return 3 * ((r - 1) / 3) + (c - 1) / 3; }

  // Every empty cell gets all flags except the digits of its row, column and box; a filled
  // cell gets none. The digits of each unit are gathered first, which gives the same flags
  // as searching the unit for each digit.
  void FindPossibilities() {
    unsigned row[10] = {}, col[10] = {}, box[9] = {};
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) {
        const unsigned bit = g_.value[r][c] ? 1u << g_.value[r][c] : 0u;
        row[r] |= bit;
        col[c] |= bit;
        box[BoxIndex(r, c)] |= bit;
      }
    }
    std::memset(g_.rowN, 0, sizeof g_.rowN);
    std::memset(g_.colN, 0, sizeof g_.colN);
    std::memset(g_.boxN, 0, sizeof g_.boxN);
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) {
        const unsigned flags = g_.value[r][c] ? 0u : 0x3FEu & ~(row[r] | col[c] | box[BoxIndex(r, c)]);
        g_.cand[r][c] = flags;
        for (int k = 1; k <= 9; ++k) {
          if (!Has(flags, k)) continue;
          ++g_.rowN[r][k];
          ++g_.colN[c][k];
          ++g_.boxN[BoxIndex(r, c)][k];
        }
      }
    }
  }

  bool Check() const {
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) {
        if (g_.value[r][c] == 0) return false;
      }
    }
    return true;
  }

  int CountPossValue(int k, int r, int c) const {
    if (std::popcount(g_.cand[r][c]) == 1) return 1;
    if (g_.colN[c][k] == 1) return 1;
    if (g_.rowN[r][k] == 1) return 1;
    return g_.boxN[BoxIndex(r, c)][k];
  }

  bool SolveSudoku() {
    bool changed = true;
    while (changed) {
      changed = false;
      for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
          if (g_.value[r][c] != 0) continue;
          for (int k = 1; k <= 9; ++k) {
            if (!Has(g_.cand[r][c], k) || CountPossValue(k, r, c) != 1) continue;
            g_.value[r][c] = k;
            FindPossibilities();
            changed = true;
          }
        }
      }
    }
    return Check();
  }

  bool SolveBruteForce() {
    if (++nodes_ > cap_) capped_ = true;
    if (capped_) return false;
    int r = 0, c = 0;
    for (int i = 1; i <= 9 && r == 0; ++i) {
      for (int j = 1; j <= 9; ++j) {
        if (g_.value[i][j] == 0) {
          r = i;
          c = j;
          break;
        }
      }
    }
    if (r == 0) return false;
    for (int k = 1; k <= 9; ++k) {
      if (!Has(g_.cand[r][c], k)) continue;
      const Grid saved = g_;
      g_.value[r][c] = k;
      FindPossibilities();
      if (SolveSudoku()) return true;
      if (SolveBruteForce()) return true;
      if (capped_) return false;
      g_ = saved;
    }
    return false;
  }

  Grid g_;
  long cap_;
  long nodes_ = 0;
  bool capped_ = false;
};

bool LiteralCheckGivens(const std::string& t) {
  for (int a = 0; a < 81; ++a) {
    for (int b = 0; b < 81; ++b) {
      const bool peer = a != b && (a / 9 == b / 9 || a % 9 == b % 9 ||
                                   (a / 27 == b / 27 && (a % 9) / 3 == (b % 9) / 3));
      if (peer && t[a] >= '1' && t[a] <= '9' && t[a] == t[b]) return false;
    }
  }
  return true;
}

}  // namespace

std::optional<SolveResult> ReferenceSolve(std::string_view text, long nodeCap) {
  return LiteralSolver(nodeCap).Solve(text);
}

std::optional<UniquenessResult> ReferenceCheckUniqueness(std::string_view givens,
                                                         UniquenessCaller caller, long nodeCap) {
  UniquenessResult out;
  std::string last;
  std::string t1;
  for (char ch : givens) t1 += ch >= '1' && ch <= '9' ? ch : '*';
  last = t1;
  bool ended = false;
  if (LiteralCheckGivens(t1)) {
    const auto run = ReferenceSolve(t1, nodeCap);
    if (!run) return std::nullopt;
    out.s1 = run->text;
    if (run->code == SolveCode::NotSolved) ended = true;
  } else {
    ended = true;
  }
  if (!ended) {
    const std::string t2(t1.rbegin(), t1.rend());
    last = t2;
    const auto run = ReferenceSolve(t2, nodeCap);
    if (!run) return std::nullopt;
    if (run->code == SolveCode::NotSolved) {
      ended = true;
    } else {
      out.s2.assign(run->text.rbegin(), run->text.rend());
      out.result = out.s2 == out.s1 ? Uniqueness::Unique : Uniqueness::Several;
    }
  }
  if (!ended && out.result == Uniqueness::Unique) {
    std::string t3 = t1;
    for (char& ch : t3) {
      if (ch != '*') ch = static_cast<char>('0' + 10 - (ch - '0'));
    }
    last = t3;
    const auto run = ReferenceSolve(t3, nodeCap);
    if (!run) return std::nullopt;
    if (run->code == SolveCode::NotSolved) {
      ended = true;
    } else {
      out.s2 = run->text;
      for (char& ch : out.s2) ch = static_cast<char>('0' + 10 - (ch - '0'));
      out.result = out.s2 == out.s1 ? Uniqueness::Unique : Uniqueness::Several;
    }
  }
  if (ended) out.result = Uniqueness::NoSolution;
  if (caller == UniquenessCaller::ImportOrCreate && last.find('*') == std::string::npos) {
    out.result = Uniqueness::Unique;
    out.s1 = last;
  }
  return out;
}

std::vector<std::string> ReadPuzzleFile(const std::string& name, std::size_t count) {
  std::ifstream in(std::string(VEXLO_PUZZLE_DIR) + "/" + name);
  std::vector<std::string> all;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) all.push_back(line);
  }
  if (count == 0 || count >= all.size()) return all;
  std::vector<std::string> sample;
  for (std::size_t i = 0; i < count; ++i) sample.push_back(all[i * all.size() / count]);
  return sample;
}

}  // namespace vexlo::testing
