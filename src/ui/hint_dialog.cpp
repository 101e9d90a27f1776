#include "ui/hint_dialog.h"

#include <QFont>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTextOption>
#include <algorithm>

#include "game/game.h"
#include "hints/hint_engine.h"
#include "ui/board_view.h"
#include "ui/language_apply.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frmsolover";
const DialogTexts kTexts = {kDialogName, {"button2"}, {}, {}};

// How far below the main window's top the window opens: under the board.
constexpr int kBelowMainTop = 520;

QFont Tahoma(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

Tfrmsolover::Tfrmsolover(const ActiveLanguage& language, QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));
  setFont(Tahoma(11, false));
  setFixedSize(593, 82);
  setModal(true);

  Memo1 = new QTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(3, 3, 462, 73);
  Memo1->setReadOnly(true);
  Memo1->setFont(Tahoma(15, true));
  Memo1->setFocusPolicy(Qt::ClickFocus);  // not a tab stop; text can still be selected
  Memo1->document()->setDocumentMargin(4);
  QTextOption centred(Qt::AlignHCenter);
  centred.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  Memo1->document()->setDefaultTextOption(centred);

  bthint = new QPushButton(this);
  bthint->setObjectName(QStringLiteral("bthint"));
  bthint->setGeometry(475, 3, 113, 33);
  bthint->setFont(Tahoma(13, true));
  bthint->setDefault(true);
  connect(bthint, &QPushButton::clicked, this, &Tfrmsolover::bthintClick);

  button2 = new QPushButton(this);
  button2->setObjectName(QStringLiteral("button2"));
  button2->setGeometry(475, 42, 113, 33);
  button2->setAutoDefault(false);
  connect(button2, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(bthint, button2);
  FollowLanguage(this, [this] { ApplyTexts(); });
}

Tfrmsolover::~Tfrmsolover() = default;

void Tfrmsolover::ApplyTexts() {
  ApplyDialogTexts(this, language_.Table(), kTexts);
  bthint->setText(QString::fromStdString(
      session_ ? session_->ButtonCaption() : language_.LangText("frmsolover.nexthint")));
}

QPoint Tfrmsolover::PlaceBelow(const QRect& mainFrame, const QSize& size, const QRect& screen) {
  QPoint at(mainFrame.left(), mainFrame.top() + kBelowMainTop);
  if (screen.isEmpty()) return at;
  // A main window near the bottom of the screen would push the window off it.
  at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
  at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
  return at;
}

void Tfrmsolover::Open(hints::HintEngine& engine, HintWiring wiring, BoardView* view,
                       const QWidget* mainWindow) {
  if (mainWindow != nullptr) {
    const QScreen* screen = mainWindow->screen();
    const QRect free = screen != nullptr ? screen->availableGeometry() : QRect();
    // Before the first show the frame is not known; the title bar adds about 30 pixels.
    const QSize frame = isVisible() ? frameGeometry().size() : size() + QSize(2, 32);
    move(PlaceBelow(mainWindow->frameGeometry(), frame, free));
  }
  view_ = view;
  session_ = std::make_unique<HintSession>(
      engine, std::move(wiring), [this](const std::string& text) { ShowText(text); });
  session_->Open();
  ShowState();
}

void Tfrmsolover::Run(hints::HintEngine& engine, HintWiring wiring, BoardView* view,
                      const QWidget* mainWindow) {
  Open(engine, std::move(wiring), view, mainWindow);
  exec();
}

void Tfrmsolover::ShowText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Memo1->setPlainText(shown);
  // The search runs inside this click: paint now, so that "Thinking..." is seen while it
  // runs and the board shows its colours cleared.
  if (isVisible()) Memo1->repaint();
  if (view_ != nullptr) {
    view_->board().Touch();
    view_->refresh();
    if (view_->isVisible()) view_->repaint();
  }
}

void Tfrmsolover::ShowState() {
  if (!session_) return;
  ShowText(session_->HintText());
  bthint->setText(QString::fromStdString(session_->ButtonCaption()));
}

void Tfrmsolover::bthintClick() {
  if (!session_) return;
  bthint->setEnabled(false);
  session_->bthintClick();
  ShowState();
  bthint->setEnabled(true);
  bthint->setFocus();
}

void Tfrmsolover::done(int result) {
  if (session_) session_->Close();
  session_.reset();
  view_ = nullptr;
  QDialog::done(result);
}

void btShowhintClick(Tfrmsolover& window, hints::HintEngine& engine, Game& game,
                     BoardView* view, const QWidget* mainWindow) {
  window.Run(engine, HintWiringOf(game), view, mainWindow);
  AfterHintWindow(game);
  if (view != nullptr) view->refresh();
}

}  // namespace vexlo::ui
