#pragma once
// "Import Sudoku": the player pastes or types a puzzle as text in any of the four formats the
// import knows; OK loads it onto the Import-or-Create board. Four example buttons show one
// sample of each format.

#include <QDialog>
#include <QString>

#include "settings/language_active.h"
#include "storage/import_formats.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace vexlo {
class Prompt;
class TPICSD33;
}  // namespace vexlo

namespace vexlo::ui {

class TfrmImport : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kExampleCount = 4;

  // `language` and `prompt` must outlive the dialog; `prompt` says "Invalid format.". Keep
  // one dialog for the whole run: the editor's text stays for the next opening.
  TfrmImport(const ActiveLanguage& language, Prompt& prompt, QWidget* parent = nullptr);

  // The board OK loads into; it must outlive the dialog's use. Call before exec().
  void SetBoard(TPICSD33* board) { board_ = board; }

  // SetBoard, then the modal loop. Accepted when a puzzle was loaded; Rejected after Cancel
  // or an unrecognised text, which leave the board's cells as they were.
  int ShowFor(TPICSD33& board);

  // OK: recognises the editor's text and loads it onto the board; an unrecognised text is
  // told to the player. The dialog closes either way.
  ImportFormat Import();

  // The format the last OK recognised (Invalid before the first).
  ImportFormat LastFormat() const { return lastFormat_; }

  // An example button (0 to 3): its sample replaces the editor's text and the line under the
  // editor describes its format.
  void ShowExample(int index);

  QString Text() const;
  void SetText(const QString& text);

 private:
  void ApplyTexts();

  const ActiveLanguage& language_;
  Prompt& prompt_;
  TPICSD33* board_ = nullptr;
  ImportFormat lastFormat_ = ImportFormat::Invalid;
  int shownExample_ = -1;  // whose description Label1 shows; -1 for the general hint

  QPlainTextEdit* memo2 = nullptr;
  QMenu* popup_ = nullptr;
  QAction* e1 = nullptr;  // Select All
  QAction* e2 = nullptr;  // Copy
  QAction* e3 = nullptr;  // Paste
  QAction* e4 = nullptr;  // Clear
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* Button1 = nullptr;                    // OK
  QPushButton* Button2 = nullptr;                    // Cancel
  QPushButton* exampleButtons_[kExampleCount] = {};  // Button3 to Button6
};

using ImportDialog = TfrmImport;

}  // namespace vexlo::ui
