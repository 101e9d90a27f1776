#include "ui/language_switch.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <utility>

namespace vexlo::ui {
namespace {

// Base name of Qt's translation for a language; empty where Qt's texts are already right.
QString QtTranslationName(Language language) {
  switch (language) {
    case Language::Chinese:
      return QStringLiteral("qtbase_zh_CN");
    case Language::Japanese:
      return QStringLiteral("qtbase_ja");
    case Language::English:
      break;
  }
  return {};
}

// Where Qt's translations live: the system's Qt, or a "translations" folder beside the program
// when it is deployed with its own copy of Qt.
QStringList TranslationFolders() {
  return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

class LanguageFollower : public QObject {
 public:
  LanguageFollower(QWidget* widget, std::function<void()> applyTexts)
      : QObject(widget), applyTexts_(std::move(applyTexts)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::LanguageChange) applyTexts_();
    return false;
  }

 private:
  std::function<void()> applyTexts_;
};

}  // namespace

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
  if (translator_ && QCoreApplication::instance() != nullptr) {
    QCoreApplication::removeTranslator(translator_.get());
  }
}

bool QtTranslations::Install(Language language) {
  if (translator_) {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
  }
  const QString name = QtTranslationName(language);
  if (name.isEmpty()) return true;
  auto translator = std::make_unique<QTranslator>();
  for (const QString& folder : TranslationFolders()) {
    if (translator->load(name, folder)) {
      QCoreApplication::installTranslator(translator.get());
      translator_ = std::move(translator);
      return true;
    }
  }
  return false;
}

QLocale LocaleOf(Language language) {
  switch (language) {
    case Language::English:
      return QLocale(QLocale::English, QLocale::UnitedStates);
    case Language::Japanese:
      return QLocale(QLocale::Japanese, QLocale::Japan);
    case Language::Chinese:
      break;
  }
  return QLocale(QLocale::Chinese, QLocale::China);
}

void FollowLanguage(QWidget* widget, std::function<void()> applyTexts) {
  applyTexts();
  new LanguageFollower(widget, std::move(applyTexts));
}

void NotifyLanguageChange() {
  // Child windows (dialogs owned by the main window) get the event from their parent.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->parentWidget() != nullptr) continue;
    QEvent event(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &event);
  }
}

void SwitchLanguage(ActiveLanguage& active, QtTranslations& qtTexts, Language language) {
  active.SelectLanguage(language);
  qtTexts.Install(language);
  QLocale::setDefault(LocaleOf(language));
  NotifyLanguageChange();
}

}  // namespace vexlo::ui
