#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "ui/about_dialog.h"
#include "ui/app_data_location.h"
#include "ui/appearance_dialog.h"
#include "ui/board_view.h"
#include "ui/color_grid.h"
#include "ui/copy_dialog.h"
#include "ui/digit_counter.h"
#include "ui/fit_text.h"
#include "ui/game_list_dialog.h"
#include "ui/help_opener.h"
#include "ui/hint_dialog.h"
#include "ui/language_apply.h"
#include "ui/language_choice.h"
#include "ui/new_puzzle_dialog.h"
#include "ui/picture_export.h"
#include "ui/print_select_dialog.h"
#include "ui/qsettings_store.h"
#include "ui/time_label.h"

namespace vexlo::ui {

namespace {

// Status bar colour while it shows a help text (RGB 255, 188, 121).
const QColor kStatusHintColor(255, 188, 121);

constexpr const char* kNewGameButtons[] = {"btCreateVeryEasy", "btCreateGentle", "btCreateModerate",
                                           "btCreateTough", "btCreateDiabolical"};
constexpr const char* kNewGameItems[] = {"mnVeryEasy", "mnGentle", "mnModerate", "mnTough",
                                         "mnDiabolical"};

}  // namespace

TForm1::TForm1(Prompt* prompt, std::string appDataRoot, QWidget* parent)
    : QMainWindow(parent), messagePrompt_(this) {
  setObjectName(QStringLiteral("Form1"));
  game_ = std::make_unique<Game>(prompt != nullptr ? *prompt : messagePrompt_,
                                 [this](std::string_view key) { return language_.LangText(key); });
  BuildWindow();
  // The clock's timer drives the game clock: every tick adds the interval.
  clockTimer_ = new QTimer(this);
  clockTimer_->setInterval(game_->TimeLabel1.timeinterval);
  connect(clockTimer_, &QTimer::timeout, this, [this] {
    game_->TimeLabel1.Tick();
    TimeLabel1->ShowTime(game_->TimeLabel1);
  });
  FormCreate(appDataRoot.empty() ? AppDataRoot() : appDataRoot);
  CreateDialogs();
  WireCommands();
  ShowGame();
  setFixedSize(sizeHint());
  sizeFixed_ = true;
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const std::string& appDataRoot) {
  QSettingsStore settings;
  LoadAppearanceStore(appearanceStore_, settings);
  FollowLanguage(this, [this] { ApplyTexts(); });
  SwitchLanguage(language_, qtTexts_, RememberedLanguage());
  setWindowTitle(QApplication::applicationDisplayName());
  game_->FormCreate(appDataRoot);
}

// The windows that follow the main window at start-up, hidden until a command shows them.
// They have no parent widget: the main window's language pass must not re-text them.
void TForm1::CreateDialogs() {
  // Its creation gives the main board the player's colours.
  frmAppearance_ = std::make_unique<TfrmAppearance>(appearanceStore_, game_->sd991, language_);
  frmAppearance_->setWindowModality(Qt::ApplicationModal);
  connect(frmAppearance_.get(), &TfrmAppearance::mainBoardColoursChanged, this, [this] {
    game_->RepaintForMode();
    ShowGame();
  });
}

// Runs now and after every change of language.
void TForm1::ApplyTexts() {
  ApplyLanguage(this, language_.Table());
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           rb_none, rb_one, rb_all, chkcolor,
           findChild<QAbstractButton*>(QStringLiteral("bt_clearcolor"))}) {
    FitCaption(button);
  }
  const Language language = language_.Current();
  for (auto [entry, action] : languageActions_) action->setChecked(entry == language);
  languageMenu_->setTitle(LanguageMenuTitle(language));
  game_->RetranslateTexts();
  ShowGame();
  // Another language may bring a menu font of another height; the client area keeps its size.
  if (sizeFixed_) setFixedSize(sizeHint());
}

void TForm1::OnClick(const char* name, std::function<void()> handler) {
  if (auto* button = findChild<QToolButton*>(QString::fromLatin1(name))) {
    connect(button, &QToolButton::clicked, this, std::move(handler));
  }
}

void TForm1::OnMenu(const char* name, std::function<void()> handler) {
  if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) {
    connect(action, &QAction::triggered, this, std::move(handler));
  }
}

void TForm1::WireCommands() {
  WireGameCommands();
  WireBoardHover();
  WireWindowCommands();
  WirePlay();
  WireFileCommands();
  WireBoardDialogs();
}

void TForm1::WireGameCommands() {
  for (int level = 0; level < 5; ++level) {
    auto newGame = [this, level] {
      game_->NewGame(level);
      ShowGame();
    };
    OnClick(kNewGameButtons[level], newGame);
    OnMenu(kNewGameItems[level], newGame);
  }
  OnClick("btRestart", [this] {
    game_->btRestartClick();
    ShowGame();
    if (game_->boardEnabled) rb_none->setFocus();
  });

  // Operation modes: a mouse press on "Pencil and Paper" may ask first; the radio button's
  // own check then runs the switch.
  rb_none->installEventFilter(this);
  auto onMode = [this](QRadioButton* button, OperationMode mode) {
    connect(button, &QRadioButton::toggled, this, [this, mode](bool checked) {
      if (!checked) return;
      game_->SetMode(mode);
      ShowGame();
    });
  };
  onMode(rb_none, OperationMode::PencilAndPaper);
  onMode(rb_one, OperationMode::PartCandidates);
  onMode(rb_all, OperationMode::AllCandidates);
  // Selects "Pencil and Paper" as a mouse click on its radio button would.
  OnClick("ToolButton1", [this] {
    const bool goOn = game_->rb_noneMouseDown();
    ShowGame();
    if (goOn) rb_none->click();
  });

  for (int d = 1; d <= 9; ++d) {
    connect(digitButtons[d - 1], &QToolButton::clicked, this, [this, d] {
      game_->disnote11Click(d);
      ShowGame();
    });
  }
  connect(chkcolor, &QCheckBox::toggled, this,
          [this](bool checked) { game_->chkcolor.checked = checked; });
  connect(cbautoupdate, &QCheckBox::toggled, this,
          [this](bool checked) { game_->cbautoupdate.checked = checked; });
  connect(colorgrid1, &ColorGrid::foregroundChosen, this,
          [this](int index) { game_->markingColorIndex = index; });
  OnClick("bt_clearcolor", [this] {
    game_->ClearMarking();
    ShowGame();
  });
}

void TForm1::WireBoardHover() {
  connect(sd991, &BoardView::cellEntered, this, [this](int row, int col) {
    game_->SetCellHover(row, col, true);
    sd991->refresh();
    ShowStatus();
  });
  connect(sd991, &BoardView::cellLeft, this, [this](int row, int col) {
    game_->SetCellHover(row, col, false);
    sd991->refresh();
  });
  connect(sd991, &BoardView::panelEntered, this, [this](int row, int col, int digit) {
    game_->SetPanelHover(row, col, digit, true);
    sd991->refresh();
    ShowStatus();
  });
  connect(sd991, &BoardView::panelLeft, this, [this](int row, int col, int digit) {
    game_->SetPanelHover(row, col, digit, false);
    sd991->refresh();
  });
}

void TForm1::WireWindowCommands() {
  OnMenu("mnExit", [this] { close(); });
  OnMenu("mnAppearance", [this] { frmAppearance_->exec(); });
  OnMenu("mnAbout", [this] {
    Tfrm_about about(language_, this);
    about.exec();
  });
  for (const char* name : {"mnContent", "bthelp1", "bthelp2", "mnC1", "mnC2", "mnC3", "mnC4",
                           "mnE1", "mnE2", "mnE3", "mnE4", "mnJ1"}) {
    OnClick(name, [this, name] { OpenHelp(name); });
    OnMenu(name, [this, name] { OpenHelp(name); });
  }
  if (auto* link = findChild<QLabel*>(QStringLiteral("lbl1"))) link->installEventFilter(this);
  for (const auto& [entry, action] : languageActions_) {
    const Language language = entry;  // a structured binding cannot be captured everywhere
    connect(action, &QAction::triggered, this, [this, language] {
      SwitchLanguage(language_, qtTexts_, language);
      RememberLanguage(language);
    });
  }
}

void TForm1::OpenHelp(const char* commandName) {
  const std::optional<HelpTopic> topic = HelpTopicForCommand(commandName);
  if (!topic) return;
  if (!help_) help_ = std::make_unique<HelpOpener>();
  if (!help_->Open(*topic, language_.Current())) {
    game_->prompt().Tell(help_->errorString().toStdString());
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched->objectName() == QLatin1String("lbl1") &&
      event->type() == QEvent::MouseButtonRelease) {
    OpenHelp("lbl1");
    return true;
  }
  if (watched == rb_none && event->type() == QEvent::MouseButtonPress) {
    const bool goOn = game_->rb_noneMouseDown();
    ShowGame();
    if (!goOn) return true;  // the player kept the candidates: the press never happened
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::ShowGame() {
  const Game& g = *game_;
  sd991->setEnabled(g.boardEnabled);
  sd991->refresh();

  // Checking a radio button from the state must not run the mode switch again.
  QRadioButton* modeButton = g.mode == OperationMode::PencilAndPaper  ? rb_none
                             : g.mode == OperationMode::AllCandidates ? rb_all
                                                                      : rb_one;
  for (QRadioButton* button : {rb_none, rb_one, rb_all}) {
    const QSignalBlocker blocker(button);
    button->setChecked(button == modeButton);
  }
  for (int d = 1; d <= 9; ++d) digitButtons[d - 1]->setChecked(g.digitDown[d - 1]);
  for (auto [box, state] :
       {std::pair{cbautoupdate, g.cbautoupdate}, std::pair{chkcolor, g.chkcolor}}) {
    const QSignalBlocker blocker(box);
    box->setChecked(state.checked);
    box->setEnabled(state.enabled);
  }
  colorgrid1->setForegroundIndex(g.markingColorIndex);

  for (int d = 1; d <= 9; ++d) {
    ProgressBars[d - 1]->setValue(g.counters[d - 1].position);
    ProgressBars[d - 1]->setBarColor(g.counters[d - 1].color);
  }

  const HistoryButtons& b = g.buttons;
  btStartBranch->setEnabled(b.btStartBranch);
  btAccept->setEnabled(b.btAccept);
  btRejectBranch->setEnabled(b.btRejectBranch);
  btfirst->setEnabled(b.btfirst);
  btback->setEnabled(b.btback);
  btnext->setEnabled(b.btnext);
  btlast->setEnabled(b.btlast);

  ndtxt->setText(QString::fromStdString(g.ndtxt()));
  WC_Label->setVisible(g.completionVisible);
  ShowStatus();
  ShowTile();

  TimeLabel1->ShowTime(g.TimeLabel1);
  if (g.TimeLabel1.timerenabled != clockTimer_->isActive()) {
    if (g.TimeLabel1.timerenabled) {
      clockTimer_->start();
    } else {
      clockTimer_->stop();
    }
  }
}

void TForm1::ShowStatus() {
  const std::string& text = game_->statusText;
  sb1Text_->setText(QString::fromStdString(text));
  QPalette palette = statusBar()->palette();
  palette.setColor(QPalette::Window, text.empty() ? QApplication::palette().color(QPalette::Button)
                                                  : kStatusHintColor);
  statusBar()->setPalette(palette);
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && game_ && !TileOpening()) {
    game_->FormActivate();
    ShowGame();
  }
  return QMainWindow::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  game_->FormClose();
  QMainWindow::closeEvent(event);
}

}  // namespace vexlo::ui
