#include "ui/language_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringList>
#include <QToolTip>

namespace vexlo::ui {
namespace {

constexpr int kPointSize = 9;

// Best first. Japanese text looks right only in a Japanese cut of the shared ideographs.
QStringList PreferredFamilies() {
  QStringList chinese = {QStringLiteral("Noto Sans CJK SC"),
                               QStringLiteral("Noto Serif CJK SC"),
                               QStringLiteral("Source Han Sans SC"),
                               QStringLiteral("Source Han Sans CN"),
                               QStringLiteral("Microsoft YaHei"),
                               QStringLiteral("PingFang SC"),
                               QStringLiteral("WenQuanYi Micro Hei"),
                               QStringLiteral("WenQuanYi Zen Hei"),
                               QStringLiteral("宋体"),
                               QStringLiteral("SimSun"),
                               QStringLiteral("Droid Sans Fallback")};
  if (QLocale().language() != QLocale::Japanese) return chinese;
  return QStringList{QStringLiteral("Noto Sans CJK JP"),
                     QStringLiteral("Noto Serif CJK JP"),
                     QStringLiteral("Source Han Sans JP"),
                     QStringLiteral("Yu Gothic UI"),
                     QStringLiteral("Meiryo"),
                     QStringLiteral("Hiragino Sans")} +
         chinese;
}

bool HoldsRadioButtons(const QGroupBox* group) {
  return group->findChild<QRadioButton*>() != nullptr;
}

}  // namespace

QString UnifiedFontFamily() {
  for (const QString& family : PreferredFamilies()) {
    if (QFontDatabase::hasFamily(family)) return family;
  }
  const QStringList covering = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  if (!covering.isEmpty()) return covering.front();
  return QApplication::font().family();
}

QFont UnifiedFont() {
  QFont font(UnifiedFontFamily());
  font.setPointSize(kPointSize);
  return font;
}

void UnifyFonts(QWidget* window) {
  const QFont font = UnifiedFont();
  window->setFont(font);
  for (QStatusBar* bar : window->findChildren<QStatusBar*>()) bar->setFont(font);
  for (QLabel* label : window->findChildren<QLabel*>()) {
    QFont own = label->font();
    own.setFamily(font.family());
    label->setFont(own);
  }
  for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
    if (HoldsRadioButtons(group)) group->setFont(font);
  }
  // Menus open as windows of their own and so do not inherit the window's font.
  for (QMenuBar* bar : window->findChildren<QMenuBar*>()) bar->setFont(font);
  for (QMenu* menu : window->findChildren<QMenu*>()) menu->setFont(font);
  QToolTip::setFont(font);
}

}  // namespace vexlo::ui
