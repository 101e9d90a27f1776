#include "ui/language_choice.h"

#include "ui/qsettings_store.h"

namespace vexlo::ui {

namespace {

// Kept beside the appearance values, in the program's settings store.
const std::string kLanguageValue = "Language";

}  // namespace

Language RememberedLanguage() {
  const std::optional<std::string> code = QSettingsStore().Read(kLanguageValue);
  return LanguageFromCode(code.value_or("")).value_or(Language::Chinese);
}

void RememberLanguage(Language language) {
  QSettingsStore().Write({{kLanguageValue, std::string(LanguageCode(language))}});
}

QString LanguageMenuTitle(Language language) {
  switch (language) {
    case Language::English:
      return QStringLiteral("&Language");
    case Language::Japanese:
      return QStringLiteral("言語(&L)");
    case Language::Chinese:
      break;
  }
  return QStringLiteral("语言(&L)");
}

}  // namespace vexlo::ui
