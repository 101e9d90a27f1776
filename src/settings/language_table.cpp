#include "settings/language_table.h"

namespace vexlo {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Position of the "=" that ends the key, or npos for a line that holds no entry.
std::size_t KeyEnd(std::string_view line) { return line.find('='); }

}  // namespace

std::string FoldKeyCase(std::string_view key) {
  std::string folded(key);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

LanguageTable LanguageTable::FromText(std::string_view text) {
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  LanguageTable table;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    table.lines_.emplace_back(line);
    const std::size_t eq = KeyEnd(line);
    if (eq != std::string_view::npos) {
      table.first_line_.try_emplace(FoldKeyCase(line.substr(0, eq)), table.lines_.size() - 1);
    }
  }
  return table;
}

std::string LanguageTable::LangText(std::string_view key) const {
  const auto found = first_line_.find(FoldKeyCase(key));
  if (found == first_line_.end()) return {};
  const std::string& line = lines_[found->second];
  return line.substr(KeyEnd(line) + 1);
}

bool LanguageTable::HasKey(std::string_view key) const {
  return first_line_.contains(FoldKeyCase(key));
}

std::vector<std::pair<std::string_view, std::string_view>> LanguageTable::Entries() const {
  std::vector<std::pair<std::string_view, std::string_view>> entries;
  for (const std::string& line : lines_) {
    const std::size_t eq = KeyEnd(line);
    if (eq == std::string::npos) continue;
    const std::string_view view = line;
    entries.emplace_back(view.substr(0, eq), view.substr(eq + 1));
  }
  return entries;
}

}  // namespace vexlo
