// The controls of the main window and where they stand. Positions are those of a client
// area of 593 x 540 pixels; Qt scales them on high-density screens.
#include <QActionGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/board_view.h"
#include "ui/color_grid.h"
#include "ui/digit_counter.h"
#include "ui/main_window.h"
#include "ui/time_label.h"
#include "ui/tool_icons.h"

namespace vexlo::ui {

namespace {

constexpr int kClientWidth = 593;
constexpr int kTopBarHeight = 29;
constexpr int kBottomBarHeight = 26;
constexpr int kStatusBarHeight = 19;
constexpr int kClientHeight = 540;
// The widget between the tool bars starts below the top bar: positions shift up by its height.
constexpr int kTop = kTopBarHeight;

struct MenuEntry {
  const char* name;
  const char* caption;  // "-" for a separator
  bool visible = true;
};

struct ToolEntry {
  const char* name;
  const char* icon;  // nullptr for a separator
};

constexpr MenuEntry kFileMenu[] = {
    {"mnSaveCurrentBoard", "&Save Current Board"},
    {"mnDisplayYourGameList1", "Display Your Game List"},
    {"mnPrintableBoard", "Printable Board"},
    {"mnImportSudoku", "&Import or Create Sudoku"},
    {"N5", "-"},
    {"mnContinue", "Continue Your Last Game"},
    {"N18", "-"},
    {"mnExit", "&Exit"},
};

constexpr MenuEntry kNewGameMenu[] = {
    {"mnVeryEasy", "Very Easy"},
    {"mnGentle", "Gentle"},
    {"mnModerate", "Moderate"},
    {"mnTough", "Tough"},
    {"mnDiabolical", "Diabolical"},
    {"N1", "-"},
    {"mnDisplayYourGameList2", "Display Your Game List"},
};

constexpr MenuEntry kToolsMenu[] = {
    {"mnAppearance", "Appearance"},
    {"N2", "-"},
    {"savet", "Save Replay"},
    {"mnLoadReplay", "Load Replay"},
    {"N3", "-"},
    {"mnCopyPuzzleToClipboard", "Copy Puzzle To Clipboard"},
};

// We have no web site and no update service: those entries stay hidden. The four link
// entries mnC1..mnC4 show once a language table is applied and open our help pages.
constexpr MenuEntry kHelpMenu[] = {
    {"mnContent", "Contents"},
    {"N15", "-"},
    {"mnCheckNewVersion", "Check New Version", false},
    {"mnAutoCheckNewVersion", "Auto Check New Version", false},
    {"N9", "-", false},
    {"mnE1", "", false},
    {"mnE2", "Solving sudoku strategies", false},
    {"mnE3", "Printable Sudoku Puzzles", false},
    {"mnE4", "Online Sudoku", false},
    {"mnC1", "", false},
    {"mnC2", "", false},
    {"mnC3", "", false},
    {"mnC4", "", false},
    {"mnJ1", "", false},
    {"N4", "-"},
    {"mnAbout", "&About Vexlo"},
};

// The developer page that this menu toggled is not part of the program.
constexpr MenuEntry kDeveloperMenu[] = {{"mnN11", "pgc1.Visible"}};

constexpr ToolEntry kFileTools[] = {
    {"btDisplayYourGameList", "view-list-details"},
    {"btsave", "document-save"},
    {"btprintableBoard", "document-print"},
    {"btimport", "document-import"},
    {"ToolButton3", nullptr},
    // Ski-slope colours, from green for beginners to black for experts.
    {"btCreateVeryEasy", "flag-green"},
    {"btCreateGentle", "flag-blue"},
    {"btCreateModerate", "flag-yellow"},
    {"btCreateTough", "flag-red"},
    {"btCreateDiabolical", "flag-black"},
    {"ToolButton10", nullptr},
};

constexpr ToolEntry kGameTools[] = {
    {"ToolButton13", nullptr}, {"btRestart", "view-refresh"}, {"btsolve", "games-solve"},
    {"btcopy", "edit-copy"},   {"btsavepic", "insert-image"},
};

constexpr ToolEntry kPlayTools[] = {
    {"ToolButton15", nullptr},
    {"btcheck", "edit-find"},
    {"btShowhint", "games-hint"},
    {"ToolButton17", nullptr},
    {"btStartBranch", "vcs-branch"},
    {"btAccept", "vcs-merge"},
    {"btRejectBranch", "vcs-branch-delete"},
    {"ToolButton18", nullptr},
    {"btfirst", "go-first"},
    {"btback", "go-previous"},
    {"btnext", "go-next"},
    {"btlast", "go-last"},
    {"ToolButton1", "draw-freehand"},
};

// Glass-like toggle buttons for the nine digits: a light sheen, blue while down.
const char* const kDigitButtonStyle = R"(
QToolButton {
  border: 1px solid #8596ad; border-radius: 4px; color: #17324d; font-weight: bold;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:0.48 #e6ebf2,
                              stop:0.52 #d6deea, stop:1 #f0f3f7);
}
QToolButton:hover { border-color: #2f7fc1; }
QToolButton:checked {
  color: #ffffff; border-color: #1d5f9c;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #a9d4fb, stop:0.48 #5ba6ea,
                              stop:0.52 #3b8fdc, stop:1 #7cbcf4);
}
)";

QLabel* FixedLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(geometry);
  return label;
}

}  // namespace

QMenu* TForm1::AddMenu(const char* name, const QString& caption) {
  QMenu* menu = menuBar()->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* TForm1::AddMenuItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QAction* TForm1::AddMenuSeparator(QMenu* menu, const char* name) {
  QAction* action = menu->addSeparator();
  action->setObjectName(QString::fromLatin1(name));
  action->setText(QStringLiteral("-"));
  return action;
}

void TForm1::CreateMenus() {
  auto fill = [this](QMenu* menu, const auto& entries) {
    for (const MenuEntry& entry : entries) {
      QAction* action = QString::fromLatin1(entry.caption) == QLatin1String("-")
                            ? AddMenuSeparator(menu, entry.name)
                            : AddMenuItem(menu, entry.name, QString::fromUtf8(entry.caption));
      action->setVisible(entry.visible);
    }
  };
  fill(AddMenu("mnFile", QStringLiteral("&File")), kFileMenu);
  fill(AddMenu("mnNewGame", QStringLiteral("&New Game")), kNewGameMenu);
  fill(AddMenu("mnTools", QStringLiteral("&Tools")), kToolsMenu);

  languageMenu_ = AddMenu("mnLanguage", QStringLiteral("&Language"));
  auto* group = new QActionGroup(this);
  // Each language is offered under its own name.
  const std::tuple<Language, const char*, QString> languages[] = {
      {Language::Chinese, "mnLangChinese", QStringLiteral("中文")},
      {Language::English, "mnLangEnglish", QStringLiteral("English")},
      {Language::Japanese, "mnLangJapanese", QStringLiteral("日本語")}};
  for (int i = 0; i < 3; ++i) {
    const auto& [language, name, caption] = languages[i];
    QAction* action = AddMenuItem(languageMenu_, name, caption);
    action->setCheckable(true);
    group->addAction(action);
    languageActions_[i] = {language, action};
  }

  fill(AddMenu("mnHelp", QStringLiteral("&Help")), kHelpMenu);
  QMenu* developer = AddMenu("mnCreatetxt", QStringLiteral("Create txt"));
  fill(developer, kDeveloperMenu);
  developer->menuAction()->setVisible(false);
}

QToolButton* TForm1::AddToolButton(QToolBar* bar, const char* name, const char* icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(ToolIcon(QString::fromLatin1(icon)));
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->addWidget(button);
  return button;
}

void TForm1::AddToolSeparator(QToolBar* bar, const char* name) {
  bar->addSeparator()->setObjectName(QString::fromLatin1(name));
}

void TForm1::CreateToolBars() {
  auto fill = [this](QToolBar* bar, const auto& entries) {
    for (const ToolEntry& entry : entries) {
      if (entry.icon == nullptr) {
        AddToolSeparator(bar, entry.name);
      } else {
        AddToolButton(bar, entry.name, entry.icon);
      }
    }
  };
  auto makeBar = [this](const char* name, int height, Qt::ToolBarArea area) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setFixedHeight(height);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(area, bar);
    return bar;
  };

  QToolBar* top = makeBar("ToolBar1", kTopBarHeight, Qt::TopToolBarArea);
  fill(top, kFileTools);
  TimeLabel1 = new TTimeLabelView(top);
  TimeLabel1->setObjectName(QStringLiteral("TimeLabel1"));
  TimeLabel1->setFixedSize(77, 22);
  top->addWidget(TimeLabel1);
  // A tool bar paints its widgets in button colours; the clock keeps its own black and green.
  TimeLabel1->setBackgroundRole(QPalette::Window);
  TimeLabel1->setForegroundRole(QPalette::WindowText);
  fill(top, kGameTools);
  ndtxt = new QLabel(top);
  ndtxt->setObjectName(QStringLiteral("ndtxt"));
  ndtxt->setFixedSize(158, 22);
  ndtxt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  top->addWidget(ndtxt);

  addToolBarBreak(Qt::BottomToolBarArea);
  QToolBar* bottom = makeBar("ToolBar2", kBottomBarHeight, Qt::BottomToolBarArea);
  cbautoupdate = new QCheckBox(QStringLiteral("Auto Update Candidates"), bottom);
  cbautoupdate->setObjectName(QStringLiteral("cbautoupdate"));
  bottom->addWidget(cbautoupdate);
  fill(bottom, kPlayTools);
  WC_Label = new QLabel(bottom);
  WC_Label->setObjectName(QStringLiteral("WC_Label"));
  WC_Label->setVisible(false);
  bottom->addWidget(WC_Label);

  btStartBranch = findChild<QToolButton*>(QStringLiteral("btStartBranch"));
  btAccept = findChild<QToolButton*>(QStringLiteral("btAccept"));
  btRejectBranch = findChild<QToolButton*>(QStringLiteral("btRejectBranch"));
  btfirst = findChild<QToolButton*>(QStringLiteral("btfirst"));
  btback = findChild<QToolButton*>(QStringLiteral("btback"));
  btnext = findChild<QToolButton*>(QStringLiteral("btnext"));
  btlast = findChild<QToolButton*>(QStringLiteral("btlast"));
}

void TForm1::CreateBoardPanel(QWidget* client) {
  auto* panel = new QFrame(client);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(6, 31 - kTop, 466, 462);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);

  sd991 = new BoardView(game_->sd991, panel);
  sd991->setObjectName(QStringLiteral("sd991"));
  sd991->move(25, 20);

  // Row letters left of the board and column digits above it, centred on the cells.
  constexpr int kHalfCell = TPICSD33::kCellSize / 2;
  for (int i = 1; i <= 9; ++i) {
    const int rowCentre = 20 + TPICSD33::CellTop(i) + kHalfCell;
    FixedLabel(panel, QString(QChar(u'A' + i - 1)), QRect(4, rowCentre - 8, 18, 16));
    const int colCentre = 25 + TPICSD33::CellLeft(i) + kHalfCell;
    FixedLabel(panel, QString::number(i), QRect(colCentre - 8, 3, 16, 16));
  }

  // The link label under the board.
  auto* link = new QLabel(panel);
  link->setObjectName(QStringLiteral("lbl1"));
  link->setGeometry(25, 20 + TPICSD33::kBoardSize + 2, TPICSD33::kBoardSize, 16);
  link->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  link->setCursor(Qt::PointingHandCursor);
  link->setStyleSheet(QStringLiteral("QLabel { color: #0b5cad; text-decoration: underline; }"));
}

void TForm1::CreateRightColumn(QWidget* client) {
  // A plain panel holds the right-hand column; positions below are the window's, shifted.
  constexpr int kColumnLeft = 474;
  auto* column = new QWidget(client);
  column->setObjectName(QStringLiteral("Panel2"));
  column->setGeometry(kColumnLeft, 0, kClientWidth - kColumnLeft, client->height());
  auto at = [](int left, int top) { return QPoint(left - kColumnLeft, top - kTop); };

  auto* modes = new QGroupBox(QStringLiteral("Operation Mode"), column);
  modes->setObjectName(QStringLiteral("grpshowcandidates"));
  modes->setGeometry(QRect(at(480, 40), QSize(107, 168)));
  auto radio = [modes](const char* name, const char* caption, int top) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), modes);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(6, top, 99, 18);
    return button;
  };
  rb_none = radio("rb_none", "Pencil and Paper", 17);
  rb_all = radio("rb_all", "All Candidates", 35);
  rb_one = radio("rb_one", "Part Candidates", 53);
  rb_none->setChecked(true);

  constexpr int kDigitLeft[] = {5, 38, 71};
  constexpr int kDigitTop[] = {75, 104, 133};
  for (int d = 1; d <= 9; ++d) {
    auto* button = new QToolButton(modes);
    button->setObjectName(QStringLiteral("disnote%1").arg(d));
    button->setText(QString::number(d));
    button->setCheckable(true);
    button->setGeometry(kDigitLeft[(d - 1) % 3], kDigitTop[(d - 1) / 3], 29, 28);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QString::fromLatin1(kDigitButtonStyle));
    digitButtons[d - 1] = button;
  }

  auto* marking = new QGroupBox(QStringLiteral("Color Panel"), column);
  marking->setObjectName(QStringLiteral("grpColorPanel"));
  marking->setGeometry(QRect(at(480, 219), QSize(107, 173)));
  chkcolor = new QCheckBox(QStringLiteral("Marking"), marking);
  chkcolor->setObjectName(QStringLiteral("chkcolor"));
  chkcolor->setGeometry(6, 17, 99, 18);
  colorgrid1 = new ColorGrid(marking);
  colorgrid1->setObjectName(QStringLiteral("colorgrid1"));
  colorgrid1->move(5, 38);
  auto* clear = new QToolButton(marking);
  clear->setObjectName(QStringLiteral("bt_clearcolor"));
  clear->setText(QStringLiteral("Clear Marking"));
  clear->setGeometry(5, 143, 97, 24);

  // The "?" buttons sit on the frames of the two groups, beside their titles.
  for (auto [name, top] : {std::pair{"bthelp1", 37}, std::pair{"bthelp2", 217}}) {
    auto* help = new QToolButton(column);
    help->setObjectName(QString::fromLatin1(name));
    help->setText(QStringLiteral("?"));
    help->setGeometry(QRect(at(565, top), QSize(16, 16)));
    help->setAutoRaise(true);
    help->raise();
  }

  // The digit counters, counter 1 leftmost, alternately 12 and 13 pixels apart.
  for (int d = 1, left = 481; d <= 9; ++d) {
    auto* counter = new Tmousepb(column);
    counter->setObjectName(QStringLiteral("ProgressBar%1").arg(d));
    counter->move(at(left, 432));
    ProgressBars[d - 1] = counter;
    left += d % 2 == 1 ? 12 : 13;
  }
}

void TForm1::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("sb1"));
  bar->setFixedHeight(kStatusBarHeight);
  bar->setSizeGripEnabled(false);
  bar->setAutoFillBackground(true);
  sb1Text_ = new QLabel(bar);
  sb1Text_->setObjectName(QStringLiteral("sb1Panel0"));
  bar->addWidget(sb1Text_, 1);
}

void TForm1::BuildWindow() {
  CreateMenus();
  CreateToolBars();
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1Client"));
  client->setFixedSize(kClientWidth,
                       kClientHeight - kTopBarHeight - kBottomBarHeight - kStatusBarHeight);
  setCentralWidget(client);
  CreateBoardPanel(client);
  CreateRightColumn(client);
  CreateStatusBar();
}

}  // namespace vexlo::ui
