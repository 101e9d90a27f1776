#pragma once
// One interface font for a window: the Song face the texts were laid out for, at 9 points,
// mapped to the best CJK font installed here.

#include <QFont>
#include <QString>

class QWidget;

namespace vexlo::ui {

// The installed family that stands in for "宋体": a Noto CJK face where there is one (the
// Japanese cut while the default locale is Japanese), else another face that covers
// Simplified Chinese, else the application's own.
QString UnifiedFontFamily();

// UnifiedFontFamily() at 9 points.
QFont UnifiedFont();

// The window's font becomes UnifiedFont(); so do the fonts of its status bars, menu bar and
// menus, radio groups (group boxes holding radio buttons) and of tool tips. Labels take the
// face but keep their size and weight. Safe to run again after a change of language.
void UnifyFonts(QWidget* window);

}  // namespace vexlo::ui
