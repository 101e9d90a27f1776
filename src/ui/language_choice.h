#pragma once
// The player's choice of interface language: remembered in the settings store between runs,
// Chinese on the very first start.

#include <QString>

#include "settings/language_active.h"

namespace vexlo::ui {

Language RememberedLanguage();
void RememberLanguage(Language language);

// Title of the Language menu in the language itself; the text tables have no entry for it.
QString LanguageMenuTitle(Language language);

}  // namespace vexlo::ui
