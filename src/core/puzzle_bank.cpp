#include "core/puzzle_bank.h"

#include <string_view>
#include <utility>

#include "core/embedded_files.h"
#include "core/grid.h"

namespace vexlo {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = TrimText(text.substr(0, end));
    if (!line.empty()) lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

const Tfrmtk& Tfrmtk::Builtin() {
  static const Tfrmtk bank = [] {
    std::vector<std::vector<std::string>> lists;
    for (int level = 0; level < kBankLevels; ++level) {
      const std::string name = "bank/level" + std::to_string(level) + ".txt";
      lists.push_back(SplitLines(EmbeddedFile(name)));
    }
    return Tfrmtk(std::move(lists));
  }();
  return bank;
}

Tfrmtk::Tfrmtk(std::vector<std::vector<std::string>> lists) : lists_(std::move(lists)) {}

std::span<const std::string> Tfrmtk::List(int level) const {
  if (level < 0 || level >= static_cast<int>(lists_.size())) return {};
  return lists_[level];
}

bool DrawFromList(TQJ& holder, std::span<const std::string> lines, RandomSource& rng) {
  if (lines.empty()) return false;
  const int k = rng.Uniform(1, static_cast<int>(lines.size()));
  return holder.LoadBankLine(lines[k - 1]) == LoadError::None;
}

bool DrawBankPuzzle(TQJ& holder, int level) {
  return DrawFromList(holder, Tfrmtk::Builtin().List(level), holder.Random());
}

}  // namespace vexlo
