#pragma once
// "Copy Puzzle To Clipboard": the board as text in one of four layouts for a fixed-width font,
// with a chooser for the character that stands for an empty cell. The text may be edited
// before "Copy" puts it on the clipboard.

#include <QDialog>
#include <QString>

#include "settings/language_active.h"
#include "storage/copy_layouts.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vexlo {
class TPICSD33;
}

namespace vexlo::ui {

class Tfrmcopy : public QDialog {
  Q_OBJECT

 public:
  // `language` must outlive the dialog. Keep one dialog for the whole run: the chosen blank
  // character stays from one opening to the next.
  explicit Tfrmcopy(const ActiveLanguage& language, QWidget* parent = nullptr);

  // The opening without the modal loop: every empty non-fixed cell of `board` gets its
  // candidates (the board itself changes; repaint it afterwards), then "No Candidate" is
  // selected and shown. `board` must outlive the dialog's use.
  void Prepare(TPICSD33& board);

  // Prepare, then the modal loop.
  int ShowFor(TPICSD33& board);

  CopyLayout Layout() const;
  QString Text() const;

  // "Copy": the editor's whole text, hand edits included, goes to the clipboard; the dialog
  // closes.
  void CopyToClipboard();

 private:
  void ShowLayout();  // the chooser shown or hidden for the layout, and the layout built

  const ActiveLanguage& language_;
  const TPICSD33* board_ = nullptr;

  QPlainTextEdit* memo1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // No Candidate
  QRadioButton* RadioButton2 = nullptr;  // With Candidates
  QRadioButton* RadioButton3 = nullptr;  // 9*9
  QRadioButton* RadioButton4 = nullptr;  // 1*81
  QLabel* labelblank = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QPushButton* Button1 = nullptr;  // Copy
  QPushButton* Button2 = nullptr;  // Close
};

using CopyDialog = Tfrmcopy;

}  // namespace vexlo::ui
