#pragma once
// The built-in interface languages and the active table that every lookup reads.

#include <optional>
#include <string>
#include <string_view>

#include "settings/language_table.h"

namespace vexlo {

enum class Language { English, Chinese, Japanese };

// Short code of a language ("en", "zh", "ja"): the name of its table file and the value the
// settings store keeps.
std::string_view LanguageCode(Language language);
std::optional<Language> LanguageFromCode(std::string_view code);

// A fresh copy of a built-in table (compiled into the program from data/lang).
LanguageTable BuiltInTable(Language language);

// The active table. The main window owns one and hands it by reference to whatever shows
// texts; the program starts in Chinese.
class ActiveLanguage {
 public:
  ActiveLanguage();

  // Replaces the whole active table by a copy of the built-in one. The widgets are re-texted
  // by the front end (ui/language_switch.h).
  void SelectLanguage(Language language);

  Language Current() const { return current_; }
  const LanguageTable& Table() const { return table_; }
  std::string LangText(std::string_view key) const { return table_.LangText(key); }

 private:
  Language current_ = Language::Chinese;
  LanguageTable table_;
};

}  // namespace vexlo
