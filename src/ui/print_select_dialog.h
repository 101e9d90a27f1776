#pragma once
// "Printable Board": choose the style and the paper size, then the board is written as an HTML
// page to the temporary folder and opened in the program that shows web pages, where the
// player prints it. The dialog stays open after OK so that another size or style can follow;
// "Cancel" closes it. Keep one dialog for the whole run: the paper size is remembered in it.

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

#include "settings/language_active.h"
#include "storage/print_page.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace vexlo {
class Prompt;
class TPICSD33;
}  // namespace vexlo

namespace vexlo::ui {

class UrlOpener;

// The page file inside the temporary folder; a folder the system does not report leaves the
// bare name.
QString PrintPagePath();

class Tfrmprintselect : public QDialog {
  Q_OBJECT

 public:
  // `language`, `prompt` and `opener` must outlive the dialog; `opener` null means the
  // desktop's. `prompt` tells the player when the page cannot be written.
  Tfrmprintselect(const ActiveLanguage& language, Prompt& prompt, UrlOpener* opener = nullptr,
                  QWidget* parent = nullptr);
  ~Tfrmprintselect() override;

  // The board whose page OK writes; it must outlive the dialog's use. Call before exec().
  void SetBoard(const TPICSD33* board) { board_ = board; }

  PrintStyle Style() const;
  PaperSize Paper() const;

  // OK: builds the page of the board in the chosen style and size, writes it and opens it.
  // False when there is no board or the page could not be written (the player is told).
  bool PrintBoard();

 private:
  const ActiveLanguage& language_;
  Prompt& prompt_;
  std::unique_ptr<UrlOpener> ownOpener_;
  UrlOpener* opener_;
  const TPICSD33* board_ = nullptr;

  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // Normal
  QRadioButton* RadioButton2 = nullptr;  // With Candidates
  QGroupBox* pg2 = nullptr;              // A4, A3, A2
  std::array<QRadioButton*, 3> paperItems_{};
  QPushButton* SpeedButton1 = nullptr;  // OK
  QPushButton* SpeedButton2 = nullptr;  // Cancel
};

using PrintSelectDialog = Tfrmprintselect;

}  // namespace vexlo::ui
