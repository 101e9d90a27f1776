#include "ui/new_puzzle_dialog.h"

#include <QPushButton>

#include "game/game.h"
#include "game/new_puzzle_board.h"
#include "game/new_puzzle_play.h"
#include "storage/import_formats.h"
#include "ui/board_view.h"
#include "ui/import_dialog.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frm_new";
constexpr QSize kClientSize(545, 428);
constexpr QPoint kBoardAt(3, 2);
constexpr int kButtonLeft = 429;
constexpr int kButtonWidth = 115;

const DialogTexts kTexts = {
    kDialogName, {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"}, {}, {}};

}  // namespace

Tfrm_new::Tfrm_new(Game& game, const ActiveLanguage& language, QWidget* parent)
    : QDialog(parent),
      game_(game),
      language_(language),
      import_(std::make_unique<TfrmImport>(language, game.prompt())) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));
  setFixedSize(kClientSize);

  sdnewView_ = new BoardView(sdnew_, this);
  sdnewView_->setObjectName(QStringLiteral("sdnew"));
  sdnewView_->move(kBoardAt);

  // Top to bottom in the column right of the board, 29 pixels apart.
  struct ButtonPlace {
    QPushButton** button;
    const char* name;
    int top;
    int height;
  };
  const ButtonPlace places[] = {{&Button5, "Button5", 5, 25},   {&Button6, "Button6", 34, 25},
                                {&Button3, "Button3", 63, 25},  {&Button1, "Button1", 92, 25},
                                {&Button2, "Button2", 121, 26}, {&Button4, "Button4", 150, 25}};
  for (const ButtonPlace& place : places) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(place.name));
    button->setGeometry(kButtonLeft, place.top, kButtonWidth, place.height);
    button->setAutoDefault(false);
    *place.button = button;
  }
  connect(Button5, &QPushButton::clicked, this, &Tfrm_new::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &Tfrm_new::Button6Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_new::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_new::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_new::Button2Click);
  connect(Button4, &QPushButton::clicked, this, &QDialog::reject);

  FollowLanguage(this, [this] {
    ApplyDialogTexts(this, language_.Table(), kTexts);
    UnifyFonts(this);
  });
  ClearImportBoard(sdnew_);
  WireBoard();
}

Tfrm_new::~Tfrm_new() = default;

void Tfrm_new::WireBoard() {
  connect(sdnewView_, &BoardView::cellMouseDown, this,
          [this](int row, int col, MouseButton button) {
            NewPuzzleCellMouseDown(sdnew_, row, col, button);
            Redraw();
          });
  connect(sdnewView_, &BoardView::panelMouseDown, this,
          [this](int row, int col, int digit, MouseButton button) {
            NewPuzzlePanelMouseDown(sdnew_, row, col, digit, button);
            Redraw();
          });
  auto hover = [this](int row, int col, int digit, bool on) {
    if (sdnew_.SetEnter(row, col, digit, on)) Redraw();
  };
  connect(sdnewView_, &BoardView::cellEntered, this,
          [hover](int row, int col) { hover(row, col, 0, true); });
  connect(sdnewView_, &BoardView::cellLeft, this,
          [hover](int row, int col) { hover(row, col, 0, false); });
  connect(sdnewView_, &BoardView::panelEntered, this,
          [hover](int row, int col, int digit) { hover(row, col, digit, true); });
  connect(sdnewView_, &BoardView::panelLeft, this,
          [hover](int row, int col, int digit) { hover(row, col, digit, false); });
}

void Tfrm_new::Redraw() { sdnewView_->refresh(); }

void Tfrm_new::Button5Click() {
  LoadPuzzleFromBoard(sdnew_, game_.sd991);
  Redraw();
}

void Tfrm_new::Button6Click() {
  import_->ShowFor(sdnew_);
  Redraw();
}

void Tfrm_new::Button3Click() {
  if (!game_.prompt().AskYesNo(game_.LangText("msg_frm_new_clear"))) return;
  ClearImportBoard(sdnew_);
  Redraw();
}

void Tfrm_new::Button1Click() { CheckPuzzleCommand(game_, sdnew_); }

void Tfrm_new::Button2Click() {
  if (PlayNewPuzzle(game_, sdnew_)) accept();
}

}  // namespace vexlo::ui
