#pragma once
// The font of the text editors that show and take puzzles as text: the grids line up only
// when every character is equally wide.

#include <QFont>

class QPlainTextEdit;

namespace vexlo::ui {

// "Courier New" at 8 points where it is installed, else another fixed-width face at that
// size.
QFont FixedWidthFont();

// An editor for puzzle text: the fixed-width font, no line wrapping (a wrapped line would
// break the frame of a grid), a plain-text paste.
void SetUpPuzzleTextEditor(QPlainTextEdit* editor);

}  // namespace vexlo::ui
