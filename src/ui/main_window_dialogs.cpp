// The main window's commands that open a window over the board: the hint window, Check Error,
// Show Solution, the printable page, copying to the clipboard, saving a picture and making a
// puzzle of one's own.
#include <QRadioButton>

#include "ui/board_view.h"
#include "ui/copy_dialog.h"
#include "ui/hint_dialog.h"
#include "ui/main_window.h"
#include "ui/new_puzzle_dialog.h"
#include "ui/picture_export.h"
#include "ui/print_select_dialog.h"
#include "ui/show_solution.h"

namespace vexlo::ui {

void TForm1::WireBoardDialogs() {
  // Dialogs have no parent widget: the main window's language pass must not re-text them.
  frmsolover_ = std::make_unique<Tfrmsolover>(language_);
  frmprintselect_ = std::make_unique<Tfrmprintselect>(language_, game_->prompt());
  frmcopy_ = std::make_unique<Tfrmcopy>(language_);
  picturePrompt_ = std::make_unique<DialogPicturePrompt>(this);
  frm_new_ = std::make_unique<Tfrm_new>(*game_, language_);
  frm_new_->setWindowModality(Qt::ApplicationModal);

  OnClick("btShowhint", [this] {
    if (!game_->boardEnabled) return;
    btShowhintClick(*frmsolover_, hintEngine_, *game_, sd991, this);
    ShowGame();
  });
  OnClick("btcheck", [this] {
    if (!game_->boardEnabled) return;
    btcheckClick(*game_, sd991);
  });
  OnClick("btsolve", [this] {
    if (!game_->boardEnabled) return;
    btsolveClick(*game_, language_, this);
    ShowGame();
  });
  auto print = [this] {
    frmprintselect_->SetBoard(&game_->sd991);
    frmprintselect_->exec();
  };
  OnClick("btprintableBoard", print);
  OnMenu("mnPrintableBoard", print);
  auto copy = [this] {
    frmcopy_->ShowFor(game_->sd991);
    // Copying fills the empty cells with their candidates: show the board as it now is.
    game_->RepaintForMode();
    ShowGame();
  };
  OnClick("btcopy", copy);
  OnMenu("mnCopyPuzzleToClipboard", copy);
  auto importOrCreate = [this] {
    if (frm_new_->exec() != QDialog::Accepted) return;
    ShowGame();
    (game_->mode == OperationMode::AllCandidates ? rb_all : rb_none)->setFocus();
  };
  OnClick("btimport", importOrCreate);
  OnMenu("mnImportSudoku", importOrCreate);
  OnClick("btsavepic", [this] {
    SavePictureCommand(findChild<QWidget*>(QStringLiteral("Panel1")), *picturePrompt_);
  });
}

}  // namespace vexlo::ui
