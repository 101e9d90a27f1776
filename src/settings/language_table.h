#pragma once
// An interface text table: the ordered lines "key=value" that every caption, hint and message
// of the program is looked up in.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vexlo {

class LanguageTable {
 public:
  LanguageTable() = default;

  // Reads a table from text: one line per entry, split at the first "=" (the value may hold
  // further "="s, its blanks are kept). Lines without "=" are kept but hold no entry. Accepts
  // LF or CR LF line ends and a leading UTF-8 byte-order mark. Never fails.
  static LanguageTable FromText(std::string_view text);

  // The value of the first entry whose key equals `key` regardless of letter case; empty when
  // there is none. Values are returned as stored, untrimmed.
  std::string LangText(std::string_view key) const;

  // Whether some entry has `key` (letter case ignored), even with an empty value.
  bool HasKey(std::string_view key) const;

  // Every line in order, entries and empty lines alike, without line ends.
  const std::vector<std::string>& Lines() const { return lines_; }

  // The entries in line order as (key as stored, value); duplicates included.
  std::vector<std::pair<std::string_view, std::string_view>> Entries() const;

 private:
  std::vector<std::string> lines_;
  // Folded key -> index of the first line holding it, so that the first line wins.
  std::unordered_map<std::string, std::size_t> first_line_;
};

// The key with ASCII letters made lower case. Keys are control names and plain ASCII words,
// for which this equals a locale-aware case-insensitive comparison; unlike one, it does not
// depend on the user's locale (under a Turkish locale "I" would not fold to "i" and
// "frmImport.Label1.Caption" would miss "frmimport.label1.caption"). Other bytes compare as
// they are.
std::string FoldKeyCase(std::string_view key);

}  // namespace vexlo
