#include "ui/tile_window.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

#include "game/candidate_tile.h"
#include "game/game.h"
#include "ui/fit_text.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"
#include "ui/main_keyboard_digit.h"

namespace vexlo::ui {

namespace {

// The buttons are laid out on a 64 x 104 client area; the balloon's outline needs a few
// pixels more, as the third column and "Automatic" reach to x = 66.
constexpr int kWidth = 68;
constexpr int kHeight = 106;
constexpr int kPointerHeight = 12;  // the pointer's indent above the balloon's body
constexpr qreal kCornerRadius = 2.5;

// Glow-style toggle buttons: pale while up, warm orange while down.
const char* const kTileButtonStyle = R"(
QToolButton {
  border: 1px solid #9aa6b4; border-radius: 3px; color: #1f2d3d; padding: 0px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e3e8ee);
}
QToolButton:hover { border-color: #e0a030; }
QToolButton:checked, QToolButton:pressed {
  border-color: #c27c0e; font-weight: bold;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe8a6, stop:0.5 #ffc445,
                              stop:1 #ffd873);
}
)";

// The balloon: a body with rounded corners and a pointer rising to the top left corner.
QPainterPath BalloonPath() {
  QPainterPath body;
  body.addRoundedRect(QRectF(0, kPointerHeight, kWidth - 1, kHeight - 1 - kPointerHeight),
                      kCornerRadius, kCornerRadius);
  QPainterPath pointer;
  pointer.moveTo(0, 0);
  pointer.lineTo(16, kPointerHeight + 1);
  pointer.lineTo(4, kPointerHeight + 1);
  pointer.closeSubpath();
  return body.united(pointer).simplified();
}

// The tile's key code for a key press: a main-keyboard digit, Esc, or 0 for any other key.
int TileKeyOf(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Escape) return kTileKeyEscape;
  const int digit = MainKeyboardDigit(key);
  return digit == 0 ? 0 : kTileKey1 + digit - 1;
}

}  // namespace

Tfrmtile::Tfrmtile(Game& game, const ActiveLanguage& language, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), game_(game) {
  setObjectName(QStringLiteral("frmtile"));
  setWindowTitle(QStringLiteral("Show Candidates"));
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_QuitOnClose, false);

  // The tile takes every key itself: its buttons never hold the focus.
  auto makeButton = [this](const QString& name, const QRect& geometry) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QString::fromLatin1(kTileButtonStyle));
    return button;
  };
  for (int d = 1; d <= 9; ++d) {
    QToolButton* button = makeButton(QStringLiteral("A%1").arg(d),
                                     QRect(2 + (d - 1) % 3 * 22, 15 + (d - 1) / 3 * 22, 20, 20));
    button->setText(QString::number(d));
    button->setCheckable(true);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, d] {
      game_.TileDigitClick(d);
      Changed();
    });
    A[d - 1] = button;
  }
  AdvGlowButton1 = makeButton(QStringLiteral("AdvGlowButton1"), QRect(3, 83, 62, 20));
  connect(AdvGlowButton1, &QToolButton::clicked, this, [this] {
    game_.TileAutomaticClick();
    Changed();
  });

  QBitmap shape(size());
  shape.fill(Qt::color0);
  QPainter painter(&shape);
  painter.setPen(Qt::color1);
  painter.setBrush(Qt::color1);
  painter.drawPath(BalloonPath());
  painter.end();
  setMask(shape);

  FollowLanguage(this, [this, &language] {
    setFont(UnifiedFont());
    AdvGlowButton1->setText(QString::fromStdString(language.LangText("frmtile.advglowbutton1")));
    FitCaption(AdvGlowButton1);
  });
}

void Tfrmtile::Open(const QRect& cell) {
  ShowButtons();
  // The pointer's tip touches the middle of the cell's lower edge, covering none of its digits.
  QPoint corner(cell.center().x(), cell.bottom());
  if (const QScreen* screen = QGuiApplication::screenAt(cell.center())) {
    const QRect room = screen->availableGeometry();
    corner.setX(std::clamp(corner.x(), room.left(), room.right() + 1 - kWidth));
    corner.setY(std::clamp(corner.y(), room.top(), room.bottom() + 1 - kHeight));
  }
  move(corner);
  hadKeyboard_ = false;
  show();
  raise();
  // Asked of the window itself: activateWindow() does nothing for a tool window while the
  // window it belongs to is active.
  if (QWindow* window = windowHandle()) window->requestActivate();
  setFocus();
}

void Tfrmtile::ShowButtons() {
  for (int d = 1; d <= 9; ++d) {
    const QSignalBlocker blocker(A[d - 1]);
    A[d - 1]->setChecked(game_.tile.down[d - 1]);
  }
}

void Tfrmtile::Changed() {
  ShowButtons();
  emit gameChanged();
}

bool Tfrmtile::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) hadKeyboard_ = true;
  return QWidget::event(event);
}

bool Tfrmtile::eventFilter(QObject* watched, QEvent* event) {
  // The right button flips a digit as the left one does, at once on the press.
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    for (int d = 1; d <= 9; ++d) {
      if (watched != A[d - 1]) continue;
      game_.TileDigitClick(d);
      Changed();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Tfrmtile::keyPressEvent(QKeyEvent* event) {
  game_.TileKeyDown(TileKeyOf(*event));
  Changed();
}

void Tfrmtile::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QColor(96, 96, 96));
  painter.setBrush(Qt::white);
  painter.drawPath(BalloonPath());
}

void Tfrmtile::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The window system moves the tile where it can; elsewhere the tile follows the mouse.
  dragging_ = windowHandle() == nullptr || !windowHandle()->startSystemMove();
  dragOffset_ = event->globalPosition().toPoint() - pos();
}

void Tfrmtile::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - dragOffset_);
  }
}

void Tfrmtile::closeEvent(QCloseEvent* event) {
  // Closed by the window system: as if the player had pressed Esc.
  if (game_.tile.visible) {
    game_.TileKeyDown(kTileKeyEscape);
    emit gameChanged();
  }
  QWidget::closeEvent(event);
}

}  // namespace vexlo::ui
