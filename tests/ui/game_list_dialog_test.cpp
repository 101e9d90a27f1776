// The saved-games list and the save dialog, driven offscreen: the grid shows the file's
// games, OK opens the selected one, OK on an empty list leaves the game alone, Delete
// removes the row.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "game/saved_game_commands.h"
#include "settings/language_active.h"
#include "storage/board_state.h"
#include "ui/game_list_dialog.h"
#include "ui/language_switch.h"
#include "ui/save_game_dialog.h"

using namespace vexlo;
using vexlo::ui::Tfrmgamelist;
using vexlo::ui::Tfrmsave;

namespace {

class YesPrompt : public Prompt {
 public:
  bool AskYesNo(const std::string&) override { return true; }
  void Tell(const std::string&) override {}
};

struct Setup {
  QTemporaryDir root;
  ActiveLanguage language;
  YesPrompt prompt;
  Game game{prompt, [this](std::string_view key) { return language.LangText(key); }};
  Tfrmgamelist list{game, language};

  Setup() {
    language.SelectLanguage(Language::English);
    vexlo::ui::NotifyLanguageChange();
    game.FormCreate(root.path().toStdString());
  }
};

void Grab(QWidget& widget, const char* name) {
  widget.show();
  QCoreApplication::processEvents();
  widget.grab().save(QDir::temp().filePath(QString::fromLatin1(name)));
}

}  // namespace

class GameListDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void listsOpensAndDeletes() {
    Setup s;
    s.game.NewGame(2);
    SaveCurrentBoard(s.game, "Moderate game", 2);
    const std::string saved = WriteBoardState(s.game.sd991);
    s.game.NewGame(4);
    SaveCurrentBoard(s.game, "Hard one", 4);

    s.list.Fill();
    QCOMPARE(s.list.StringGrid1->rowCount(), 2);
    QCOMPARE(s.list.StringGrid1->item(1, 1)->text(), QStringLiteral("Diabolical"));
    QCOMPARE(s.list.StringGrid1->horizontalHeaderItem(0)->text(), QStringLiteral("Game Name"));
    Grab(s.list, "vexlo_game_list.png");

    s.list.StringGrid1->selectRow(0);
    s.list.Button3->click();
    QCOMPARE(WriteBoardState(s.game.sd991), saved);
    QCOMPARE(s.game.sd991.nd, 2);

    s.list.Fill();
    s.list.StringGrid1->selectRow(1);
    s.list.Button1->click();
    QCOMPARE(s.list.StringGrid1->rowCount(), 1);
    QCOMPARE(ListGames(s.game).size(), std::size_t{1});
  }

  void okOnAnEmptyListLeavesTheGameAlone() {
    Setup s;
    s.game.NewGame(1);
    const std::string board = WriteBoardState(s.game.sd991);
    s.list.Fill();
    QCOMPARE(s.list.StringGrid1->rowCount(), 0);
    QVERIFY(!s.list.Button1->isEnabled());
    s.list.Button3->click();
    QCOMPARE(WriteBoardState(s.game.sd991), board);
    QCOMPARE(s.game.sd991.nd, 1);
  }

  void saveDialogOffersNameAndLevel() {
    ActiveLanguage language;
    language.SelectLanguage(Language::English);
    Tfrmsave dialog(language);
    dialog.setLevel(3);
    QCOMPARE(dialog.level(), 3);
    QCOMPARE(dialog.gameName(), std::string("New Game"));
    QCOMPARE(dialog.findChildren<QRadioButton*>().at(5)->text(), QStringLiteral("Unknown or N/A"));
    dialog.Edit1->clear();
    QVERIFY(!dialog.Button1->isEnabled());
    dialog.Edit1->setText(QStringLiteral("Mine"));
    Grab(dialog, "vexlo_save_game.png");
  }
};

QTEST_MAIN(GameListDialogTest)
#include "game_list_dialog_test.moc"
