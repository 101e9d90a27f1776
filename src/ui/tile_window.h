#pragma once
// The candidate tile: a small white speech balloon next to a cell, with toggle buttons for the
// nine digits and "Automatic". It does not block the main window; the game decides what a
// click or key does, the tile only shows the game's button states.

#include <QPoint>
#include <QWidget>
#include <array>

#include "settings/language_active.h"

class QToolButton;

namespace vexlo {
class Game;
}

namespace vexlo::ui {

class Tfrmtile : public QWidget {
  Q_OBJECT

 public:
  // `game` and `language` must outlive the tile. `owner` is the main window, which the tile
  // stays above.
  Tfrmtile(Game& game, const ActiveLanguage& language, QWidget* owner);

  // Shows the tile with its pointer on the cell that `cell` (screen coordinates) covers, kept
  // on that screen, and takes the keyboard.
  void Open(const QRect& cell);
  void ShowButtons();  // the buttons follow the game's tile state

  // False from opening until the tile first has the keyboard. The click that opened the tile
  // may activate the main window only afterwards, which must not close the tile again.
  bool hadKeyboard() const { return hadKeyboard_; }

  QToolButton* digitButton(int digit) const { return A[digit - 1]; }
  QToolButton* automaticButton() const { return AdvGlowButton1; }

 signals:
  void gameChanged();  // after every click and key: the main window shows the game again

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Changed();

  Game& game_;
  std::array<QToolButton*, 9> A{};
  QToolButton* AdvGlowButton1 = nullptr;
  QPoint dragOffset_;  // from the pointer to the tile's corner while dragging
  bool dragging_ = false;
  bool hadKeyboard_ = false;
};

}  // namespace vexlo::ui
