#pragma once
// The hint window: the engine's worded finding, and one button that either asks for the next
// hint or carries the shown finding out ("Do It For Me"). It opens below the main window so
// that the coloured cells of the board stay in sight, and is modal while it is open.

#include <QDialog>
#include <memory>
#include <optional>

#include "game/hint_session.h"
#include "settings/language_active.h"

class QPushButton;
class QTextEdit;

namespace vexlo {
class Game;
namespace hints {
class HintEngine;
}
}  // namespace vexlo

namespace vexlo::ui {

class BoardView;

class Tfrmsolover : public QDialog {
  Q_OBJECT

 public:
  // `language` is the program's active table; it must outlive the window. The window is made
  // once and reused for every opening.
  explicit Tfrmsolover(const ActiveLanguage& language, QWidget* parent = nullptr);
  ~Tfrmsolover() override;

  // Prepares an opening without showing the window: placed level with `mainWindow`'s left
  // edge and 520 pixels below its top (kept on the screen), then the first step. `view`
  // draws the board the engine colours; it may be null.
  void Open(hints::HintEngine& engine, HintWiring wiring, BoardView* view,
            const QWidget* mainWindow);
  // Open, then modal until the player closes the window.
  void Run(hints::HintEngine& engine, HintWiring wiring, BoardView* view,
           const QWidget* mainWindow);

  // Where the window goes for a main window whose frame is `mainFrame`, on a screen whose
  // free area is `screen`, for a window frame of `size`.
  static QPoint PlaceBelow(const QRect& mainFrame, const QSize& size, const QRect& screen);

  QTextEdit* Memo1 = nullptr;
  QPushButton* bthint = nullptr;
  QPushButton* button2 = nullptr;

 public slots:
  void bthintClick();
  void done(int result) override;

 private:
  void ShowState();
  void ShowText(const std::string& text);
  void ApplyTexts();

  const ActiveLanguage& language_;
  std::unique_ptr<HintSession> session_;
  BoardView* view_ = nullptr;
};

// The main window's "Show hint": the hint window over the game's board and, after it closed,
// the counters, a history step and, on a solved board, the end of the game. The caller then
// shows the game's state in its widgets as after any other command.
void btShowhintClick(Tfrmsolover& window, hints::HintEngine& engine, Game& game,
                     BoardView* view, const QWidget* mainWindow);

}  // namespace vexlo::ui
