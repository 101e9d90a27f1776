// The main window's play wiring: mouse on the board, digit buttons and counters, the digit
// keys and Tab, the step and branch buttons with undo and redo keys, and the status-bar
// help texts.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <QWindow>

#include "ui/board_view.h"
#include "ui/color_grid.h"
#include "ui/digit_counter.h"
#include "ui/event_hook.h"
#include "ui/main_keyboard_digit.h"
#include "ui/main_window.h"
#include "ui/mouse_button_of.h"
#include "ui/tile_window.h"

namespace vexlo::ui {

void TForm1::WirePlay() {
  connect(sd991, &BoardView::cellMouseDown, this, [this](int row, int col, MouseButton button) {
    game_->CellMouseDown(row, col, button);
    ShowGame();
  });
  connect(sd991, &BoardView::panelMouseDown, this,
          [this](int row, int col, int digit, MouseButton button) {
            game_->CandidateMouseDown(row, col, digit, button);
            ShowGame();
          });
  for (int d = 1; d <= 9; ++d) {
    connect(ProgressBars[d - 1], &Tmousepb::pressed, this, [this, d](Qt::MouseButton button) {
      game_->ProgressBarMouseDown(d, MouseButtonOf(button));
      ShowGame();
    });
  }
  frmtile_ = new Tfrmtile(*game_, language_, this);
  connect(frmtile_, &Tfrmtile::gameChanged, this, &TForm1::ShowGame);
  WireHistoryCommands();
  // Keys, the right button on digit buttons and the status hints are watched application
  // wide: the window sees a key before the control that has the focus.
  qApp->installEventFilter(new EventHook(
      [this](QObject* watched, QEvent* event) { return PlayEvent(watched, event); }, this));
}

void TForm1::WireHistoryCommands() {
  const std::pair<const char*, void (Game::*)()> commands[] = {
      {"btfirst", &Game::btfirstClick},
      {"btback", &Game::btbackClick},
      {"btnext", &Game::btnextClick},
      {"btlast", &Game::btlastClick},
      {"btStartBranch", &Game::btStartBranchClick},
      {"btAccept", &Game::btAcceptClick},
      {"btRejectBranch", &Game::btRejectBranchClick}};
  for (const auto& [name, method] : commands) {
    OnClick(name, [this, method] {
      (game_.get()->*method)();
      ShowGame();
    });
  }
  // Undo and redo keys walk the history as "Back Step" and "Next Step" do, when they could.
  auto addStepKeys = [this](QList<QKeySequence> keys, QKeySequence extra, QToolButton* button) {
    if (!keys.contains(extra)) keys.append(extra);
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [button] {
      if (button->isEnabled()) button->click();
    });
  };
  addStepKeys(QKeySequence::keyBindings(QKeySequence::Undo), QKeySequence(Qt::CTRL | Qt::Key_Z),
              btback);
  addStepKeys(QKeySequence::keyBindings(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y),
              btnext);
}

bool TForm1::PlayEvent(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return QApplication::activeWindow() == this && PlayKey(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: {
      const int digit = DigitButtonIndex(watched);
      if (digit == 0 || static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) break;
      game_->disnote1RightClick(digit);
      ShowGame();
      return true;
    }
    case QEvent::Enter:
    case QEvent::Leave:
      if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this) {
        HintFor(widget, event->type() == QEvent::Enter);
      }
      break;
    default:
      break;
  }
  return false;
}

bool TForm1::PlayKey(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
    game_->TabKey();
    ShowGame();
    return true;  // the focus stays where it is
  }
  const int digit = MainKeyboardDigit(key);
  if (digit == 0) return false;
  game_->DigitKey(digit);
  ShowGame();
  return true;
}

void TForm1::ShowTile() {
  if (frmtile_ == nullptr) return;
  const TileState& tile = game_->tile;
  if (!tile.visible) {
    if (!frmtile_->isVisible()) return;
    // Closed from the tile itself: the keyboard goes back to the board's window.
    const bool hadKeyboard = QApplication::activeWindow() == frmtile_;
    frmtile_->hide();
    if (hadKeyboard && windowHandle() != nullptr) windowHandle()->requestActivate();
  } else if (!frmtile_->isVisible()) {
    const QRect cell = BoardView::CellRect(tile.tileRow, tile.tileCol);
    frmtile_->Open(QRect(sd991->mapToGlobal(cell.topLeft()), cell.size()));
  } else {
    frmtile_->ShowButtons();
  }
}

bool TForm1::TileOpening() const {
  return frmtile_ != nullptr && frmtile_->isVisible() && !frmtile_->hadKeyboard();
}

int TForm1::DigitButtonIndex(const QObject* object) const {
  for (int d = 1; d <= 9; ++d) {
    if (digitButtons[d - 1] == object) return d;
  }
  return 0;
}

void TForm1::HintFor(QWidget* widget, bool entered) {
  // The board explains its cells itself; "ToolButton1" leaves the bar as it is.
  if (widget == sd991 || sd991->isAncestorOf(widget) ||
      widget->objectName() == QLatin1String("ToolButton1")) {
    return;
  }
  const bool hinted = qobject_cast<QAbstractButton*>(widget) != nullptr || widget == colorgrid1;
  if (!entered) {
    // Leaving a control for the panel around it, which reports no entering of its own.
    if (hinted) game_->ClearHint();
  } else if (DigitButtonIndex(widget) != 0) {
    game_->DigitButtonHint();
  } else if (hinted) {
    game_->ShowHint(widget->toolTip().toStdString());
  } else {
    game_->ClearHint();
  }
  ShowStatus();
}

}  // namespace vexlo::ui
