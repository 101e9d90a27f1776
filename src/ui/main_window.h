#pragma once
// The main window: the board with its labels, the tool bars, the right-hand column with the
// operation modes, digit buttons, marking controls and digit counters, and the status bar.
// It owns the game, forwards the player's commands to it and re-reads the game's state into
// its widgets afterwards. Every control carries its table name as objectName, which is also
// the key of its texts in the language tables.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <utility>

#include "game/game.h"
#include "hints/hint_engine.h"
#include "settings/appearance_store.h"
#include "settings/language_active.h"
#include "ui/language_switch.h"
#include "ui/message_prompt.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QRadioButton;
class QTimer;
class QToolBar;
class QToolButton;

namespace vexlo::ui {

class BoardView;
class HelpOpener;
class TfrmAppearance;
class Tfrmgamelist;
class Tfrmsolover;
class Tfrmtile;
class Tfrmprintselect;
class Tfrmcopy;
class Tfrm_new;
class DialogPicturePrompt;
class TTimeLabelView;
class ColorGrid;
class Tmousepb;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // prompt answers the game's questions; the window's own message boxes when null.
  // appDataRoot is where the data folder goes; the platform's folder when empty.
  explicit TForm1(Prompt* prompt = nullptr, std::string appDataRoot = {},
                  QWidget* parent = nullptr);
  ~TForm1() override;

  Game& game() { return *game_; }

  // Copies the game's state into the widgets; every handler ends with it.
  void ShowGame();
  void ShowStatus();  // the status bar's text and colour only
  void ShowTile();    // the candidate tile shown or hidden as the game has it

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildWindow();
  void FormCreate(const std::string& appDataRoot);
  void CreateDialogs();
  void CreateMenus();
  void CreateToolBars();
  void CreateBoardPanel(QWidget* client);
  void CreateRightColumn(QWidget* client);
  void CreateStatusBar();
  void WireCommands();
  void WireGameCommands();
  void WireBoardHover();
  void WireWindowCommands();
  void WirePlay();
  void WireHistoryCommands();
  void WireFileCommands();  // replays, the last game and saved games
  void WireBoardDialogs();  // hints, error check, solution, print, copy, picture
  bool PlayEvent(QObject* watched, QEvent* event);
  bool PlayKey(const QKeyEvent& key);
  // True while the tile opened by the last click has not had the keyboard yet: activating
  // this window then belongs to that click and leaves the tile open.
  bool TileOpening() const;
  int DigitButtonIndex(const QObject* object) const;  // 1..9, or 0 for another object
  void HintFor(QWidget* widget, bool entered);
  // Connects the click of the tool button, or the menu item, of that name.
  void OnClick(const char* name, std::function<void()> handler);
  void OnMenu(const char* name, std::function<void()> handler);
  void ApplyTexts();
  void OpenHelp(const char* commandName);

  QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption);
  QAction* AddMenuSeparator(QMenu* menu, const char* name);
  QMenu* AddMenu(const char* name, const QString& caption);
  QToolButton* AddToolButton(QToolBar* bar, const char* name, const char* icon);
  void AddToolSeparator(QToolBar* bar, const char* name);

  MessageBoxPrompt messagePrompt_;
  ActiveLanguage language_;
  QtTranslations qtTexts_;
  AppearanceStore appearanceStore_;
  std::unique_ptr<HelpOpener> help_;  // made on the first help command
  bool sizeFixed_ = false;
  std::unique_ptr<Game> game_;
  // Dialogs read and write the game; declared after it, they are destroyed first.
  std::unique_ptr<TfrmAppearance> frmAppearance_;
  std::unique_ptr<Tfrmgamelist> frmgamelist_;
  hints::HintEngine hintEngine_;  // the program's one hint engine, kept between openings
  std::unique_ptr<Tfrmsolover> frmsolover_;
  std::unique_ptr<Tfrmprintselect> frmprintselect_;
  std::unique_ptr<Tfrmcopy> frmcopy_;
  std::unique_ptr<Tfrm_new> frm_new_;
  std::unique_ptr<DialogPicturePrompt> picturePrompt_;
  Tfrmtile* frmtile_ = nullptr;  // a window of its own above this one

  // Controls other parts of the window's behaviour address by name.
  BoardView* sd991 = nullptr;
  TTimeLabelView* TimeLabel1 = nullptr;
  QTimer* clockTimer_ = nullptr;
  QLabel* ndtxt = nullptr;
  QLabel* WC_Label = nullptr;
  QLabel* sb1Text_ = nullptr;
  std::array<Tmousepb*, 9> ProgressBars{};
  std::array<QToolButton*, 9> digitButtons{};
  QRadioButton* rb_none = nullptr;
  QRadioButton* rb_one = nullptr;
  QRadioButton* rb_all = nullptr;
  QCheckBox* cbautoupdate = nullptr;
  QCheckBox* chkcolor = nullptr;
  ColorGrid* colorgrid1 = nullptr;
  QToolButton* btStartBranch = nullptr;
  QToolButton* btAccept = nullptr;
  QToolButton* btRejectBranch = nullptr;
  QToolButton* btfirst = nullptr;
  QToolButton* btback = nullptr;
  QToolButton* btnext = nullptr;
  QToolButton* btlast = nullptr;
  QMenu* languageMenu_ = nullptr;
  std::array<std::pair<Language, QAction*>, 3> languageActions_{};
};

using MainWindow = TForm1;

}  // namespace vexlo::ui
