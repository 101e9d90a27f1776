#include "ui/fixed_width_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>

namespace vexlo::ui {

namespace {
constexpr int kEditorPoints = 8;
}

QFont FixedWidthFont() {
  // The face the text was laid out for first, then the common mono faces of other desktops:
  // a family the matcher substitutes may not be fixed-width at all.
  const QStringList families = {
      QStringLiteral("Courier New"),     QStringLiteral("DejaVu Sans Mono"),
      QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono"),
      QStringLiteral("Consolas"),        QStringLiteral("Menlo")};
  for (const QString& family : families) {
    QFont font(family, kEditorPoints);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
  }
  QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fallback.setPointSize(kEditorPoints);
  return fallback;
}

void SetUpPuzzleTextEditor(QPlainTextEdit* editor) {
  editor->setFont(FixedWidthFont());
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Puzzle text is never composed with an input method.
  editor->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace vexlo::ui
