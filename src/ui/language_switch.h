#pragma once
// Changing the interface language while the program runs: Qt's own texts, the default locale
// and every window, shown or hidden, follow the active table at once.
//
// Each window that shows table texts registers how it applies them with FollowLanguage; the
// main window passes ApplyLanguage, a dialog ApplyDialogTexts (and UnifyFonts where wanted).
// SwitchLanguage then selects the table and re-texts them all through Qt's LanguageChange
// event, which a widget hands on to its children, hidden dialogs included.

#include <QLocale>
#include <functional>
#include <memory>

#include "settings/language_active.h"

class QTranslator;
class QWidget;

namespace vexlo::ui {

// Qt's translation of its own texts (the Yes, No, OK and Cancel of message boxes and button
// boxes, the file dialogs) for the active table. The main window owns one.
class QtTranslations {
 public:
  QtTranslations();
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // Replaces the installed translation by the one for `language` (English needs none).
  // False when its file is not installed: Qt's texts then stay English.
  bool Install(Language language);

 private:
  std::unique_ptr<QTranslator> translator_;
};

QLocale LocaleOf(Language language);

// Runs `applyTexts` now and again whenever `widget` receives a LanguageChange event; the
// hook lives as long as the widget.
void FollowLanguage(QWidget* widget, std::function<void()> applyTexts);

// Sends a LanguageChange event to every window, so that each re-applies its texts now.
void NotifyLanguageChange();

// Makes `language` active: the table, Qt's own texts, the default locale (which also picks
// the face of UnifyFonts), then every window re-texts itself.
void SwitchLanguage(ActiveLanguage& active, QtTranslations& qtTexts, Language language);

}  // namespace vexlo::ui
