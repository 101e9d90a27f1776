#include "ui/solution_dialog.h"

#include <QPushButton>

#include "game/solution_lookup.h"
#include "ui/board_view.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frmda";
const DialogTexts kTexts = {kDialogName, {"Button1"}, {}, {}};

}  // namespace

Tfrmda::Tfrmda(const ActiveLanguage& language, QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));
  setFixedSize(512, 432);
  setModal(true);

  board_.LayoutCells();
  sd991 = new BoardView(board_, this);
  sd991->setObjectName(QStringLiteral("sd991"));
  sd991->setGeometry(5, 5, TPICSD33::kBoardSize, TPICSD33::kBoardSize);
  // The board only shows: no clicks, no hover frames.
  sd991->setAttribute(Qt::WA_TransparentForMouseEvents);

  Button1 = new QPushButton(this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(433, 6, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  FollowLanguage(this, [this, &language] {
    ApplyDialogTexts(this, language.Table(), kTexts);
    UnifyFonts(this);
  });
}

void Tfrmda::ShowSolution(const TPICSD33& mainBoard, std::string_view solution) {
  FillSolutionBoard(board_, mainBoard, solution);
  sd991->refresh();
}

}  // namespace vexlo::ui
