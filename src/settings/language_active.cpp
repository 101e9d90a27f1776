#include "settings/language_active.h"

#include <array>

#include "core/embedded_files.h"

namespace vexlo {
namespace {

constexpr std::array kLanguages = {Language::English, Language::Chinese, Language::Japanese};

}  // namespace

std::string_view LanguageCode(Language language) {
  switch (language) {
    case Language::English:
      return "en";
    case Language::Chinese:
      return "zh";
    case Language::Japanese:
      return "ja";
  }
  return "zh";
}

std::optional<Language> LanguageFromCode(std::string_view code) {
  for (Language language : kLanguages) {
    if (LanguageCode(language) == code) return language;
  }
  return std::nullopt;
}

LanguageTable BuiltInTable(Language language) {
  const std::string file = "lang/" + std::string(LanguageCode(language)) + ".txt";
  return LanguageTable::FromText(EmbeddedFile(file));
}

ActiveLanguage::ActiveLanguage() { SelectLanguage(Language::Chinese); }

void ActiveLanguage::SelectLanguage(Language language) {
  current_ = language;
  table_ = BuiltInTable(language);
}

}  // namespace vexlo
