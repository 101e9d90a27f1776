// The main window's commands for replays, the last game and saved games.
#include <QRadioButton>

#include "game/replay_commands.h"
#include "game/saved_game_commands.h"
#include "ui/game_list_dialog.h"
#include "ui/main_window.h"
#include "ui/save_game_dialog.h"

namespace vexlo::ui {

void TForm1::WireFileCommands() {
  // Created once, without a parent: the main window's language pass must not re-text it.
  frmgamelist_ = std::make_unique<Tfrmgamelist>(*game_, language_);
  frmgamelist_->setWindowModality(Qt::ApplicationModal);
  connect(frmgamelist_.get(), &Tfrmgamelist::gameOpened, this, [this] {
    ShowGame();
    (game_->mode == OperationMode::AllCandidates ? rb_all : rb_none)->setFocus();
  });

  auto command = [this](void (*run)(Game&)) {
    return [this, run] {
      run(*game_);
      ShowGame();
    };
  };
  OnMenu("savet", command(SaveReplay));
  OnMenu("mnLoadReplay", command(LoadReplay));
  OnMenu("mnContinue", command(ContinueLastGame));

  auto saveBoard = [this] {
    Tfrmsave dialog(language_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setLevel(game_->sd991.nd);
    if (dialog.exec() == QDialog::Accepted) {
      SaveCurrentBoard(*game_, dialog.gameName(), dialog.level());
    }
  };
  OnClick("btsave", saveBoard);
  OnMenu("mnSaveCurrentBoard", saveBoard);

  auto showList = [this] {
    frmgamelist_->Fill();
    frmgamelist_->exec();
  };
  OnClick("btDisplayYourGameList", showList);
  OnMenu("mnDisplayYourGameList1", showList);
  OnMenu("mnDisplayYourGameList2", showList);
}

}  // namespace vexlo::ui
