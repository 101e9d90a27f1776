// The printable-page, copy and import dialogs driven as a player would: the page file written
// for each style and paper and handed to the browser, each copy layout and blank character on
// screen and on the clipboard, each import format loaded onto the board, Cancel and bad text
// leaving it alone.
//
// Set VEXLO_GRAB_DIR to a folder to keep a picture of each dialog there.

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "board/board.h"
#include "game/prompt.h"
#include "settings/language_active.h"
#include "storage/copy_layouts.h"
#include "ui/copy_dialog.h"
#include "ui/help_opener.h"
#include "ui/import_dialog.h"
#include "ui/print_select_dialog.h"

using vexlo::CellState;
using vexlo::CopyLayout;
using vexlo::ImportFormat;
using vexlo::Language;
using vexlo::TPICSD33;

namespace {

constexpr const char* kPuzzle =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

// The puzzle's givens fixed, a big number 7 in A1, every other cell open with its candidates.
TPICSD33 FixtureBoard() {
  TPICSD33 board;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const char ch = kPuzzle[(row - 1) * 9 + (col - 1)];
      auto& cell = board.cell(row, col);
      cell.state = ch == '0' ? CellState::Open : CellState::Fixed;
      cell.digits = ch == '0' ? "" : std::string(1, ch);
    }
  }
  board.cell(1, 1).state = CellState::BigNumber;
  board.cell(1, 1).digits = "7";
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      if (board.cell(row, col).state == CellState::Open) {
        board.cell(row, col).digits = board.FreeDigits(row, col);
      }
    }
  }
  return board;
}

std::string Snapshot(const TPICSD33& board) {
  std::string out;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      out += std::to_string(static_cast<int>(board.cell(row, col).state)) +
             board.cell(row, col).digits + ",";
    }
  }
  return out;
}

QString Joined(const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& line : lines) list << QString::fromStdString(line);
  return list.join(QLatin1Char('\n'));
}

class RecordingPrompt : public vexlo::Prompt {
 public:
  QStringList told;
  bool AskYesNo(const std::string&) override { return false; }
  void Tell(const std::string& text) override { told << QString::fromStdString(text); }
};

class RecordingOpener : public vexlo::ui::UrlOpener {
 public:
  QList<QUrl> opened;
  bool OpenUrl(const QUrl& url) override {
    opened << url;
    return true;
  }
};

template <class T>
T* Child(const QWidget* dialog, const char* name) {
  T* found = dialog->findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no control %s", name);
  return found;
}

QAction* Action(const QWidget* dialog, const char* name) { return Child<QAction>(dialog, name); }

void Grab(QWidget* dialog, const char* file) {
  const QString folder = qEnvironmentVariable("VEXLO_GRAB_DIR");
  if (folder.isEmpty()) return;
  dialog->show();
  QCoreApplication::processEvents();
  dialog->grab().save(QDir(folder).filePath(QString::fromLatin1(file)));
}

}  // namespace

class PrintCopyImportTest : public QObject {
  Q_OBJECT

 private slots:
  void init();

  void printWritesThePageOfTheChoiceAndOpensIt_data();
  void printWritesThePageOfTheChoiceAndOpensIt();
  void printKeepsThePaperSizeBetweenUses();
  void printThatCannotWriteTellsAndOpensNothing();

  void copyShowsEachLayoutInTheStatedOrder();
  void copyBlankChooserRebuildsAtOnce();
  void copyPutsTheShownTextOnTheClipboard();
  void copyFillsEmptyCellsAndReopensWithNoCandidate();

  void importLoadsEachExample_data();
  void importLoadsEachExample();
  void importCancelAndBadTextLeaveTheBoard();
  void importContextMenu();

  void dialogsFollowTheLanguage();

 private:
  vexlo::ActiveLanguage language_;
  RecordingPrompt prompt_;
};

void PrintCopyImportTest::init() {
  language_.SelectLanguage(Language::English);
  prompt_.told.clear();
}

void PrintCopyImportTest::printWritesThePageOfTheChoiceAndOpensIt_data() {
  QTest::addColumn<bool>("withCandidates");
  QTest::addColumn<int>("paper");
  QTest::addColumn<QString>("digitSize");
  QTest::addColumn<QString>("sheet");  // the browser prints on the chosen paper
  // A3 and A2 both for the candidates: only A2 breaks a long set after six digits.
  QTest::newRow("normal A4") << false << 0 << "22pt"
                             << "210mm 297mm";
  QTest::newRow("normal A2") << false << 2 << "70pt"
                             << "420mm 594mm";
  QTest::newRow("candidates A3") << true << 1 << "50pt"
                                 << "297mm 420mm";
  QTest::newRow("candidates A2") << true << 2 << "70pt"
                                 << "420mm 594mm";
}

void PrintCopyImportTest::printWritesThePageOfTheChoiceAndOpensIt() {
  QFETCH(bool, withCandidates);
  QFETCH(int, paper);
  QFETCH(QString, digitSize);
  QFETCH(QString, sheet);
  QTemporaryDir temp;
  qputenv("TMPDIR", temp.path().toLocal8Bit());
  TPICSD33 board = FixtureBoard();
  board.cell(9, 1).digits = "1234789";  // seven candidates
  RecordingOpener opener;
  vexlo::ui::Tfrmprintselect dialog(language_, prompt_, &opener);
  dialog.SetBoard(&board);
  dialog.show();
  Child<QRadioButton>(&dialog, withCandidates ? "RadioButton2" : "RadioButton1")->click();
  Child<QGroupBox>(&dialog, "pg2")->findChildren<QRadioButton*>().at(paper)->click();
  Child<QPushButton>(&dialog, "SpeedButton1")->click();

  const QString path = QDir(temp.path()).filePath(QStringLiteral("print_temp.htm"));
  QCOMPARE(opener.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(file.readAll());
  QCOMPARE(page.count(QStringLiteral("\r\n")), 201);
  QVERIFY(page.contains(QStringLiteral("charset=utf8")));
  QVERIFY(page.contains(QStringLiteral("@page { size: %1;").arg(sheet)));
  QVERIFY(page.contains(QStringLiteral("<font size=5>Sudoku</font><br>")));
  QVERIFY(page.contains(QStringLiteral("font-size: %1; color: blue;").arg(digitSize)));
  QCOMPARE(
      page.contains(
          QStringLiteral(">%1 &nbsp;</td>").arg(QString::fromStdString(board.cell(1, 4).digits))),
      withCandidates);
  QCOMPARE(page.contains(QStringLiteral(">123478<br/>9 &nbsp;")), withCandidates && paper == 2);
  QVERIFY2(dialog.isVisible(), "OK leaves the dialog open for another print");
  QVERIFY(prompt_.told.isEmpty());
  qunsetenv("TMPDIR");
}

void PrintCopyImportTest::printKeepsThePaperSizeBetweenUses() {
  RecordingOpener opener;
  vexlo::ui::Tfrmprintselect dialog(language_, prompt_, &opener);
  QCOMPARE(dialog.Paper(), vexlo::PaperSize::A4);
  QCOMPARE(dialog.Style(), vexlo::PrintStyle::Normal);
  dialog.show();
  Child<QGroupBox>(&dialog, "pg2")->findChildren<QRadioButton*>().at(1)->click();
  Child<QPushButton>(&dialog, "SpeedButton2")->click();
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  dialog.show();
  QCOMPARE(dialog.Paper(), vexlo::PaperSize::A3);
  QVERIFY(opener.opened.isEmpty());
  Grab(&dialog, "print_select_dialog.png");
}

void PrintCopyImportTest::printThatCannotWriteTellsAndOpensNothing() {
  // A folder where the page should go: the file cannot be replaced, and the earlier
  // content (here none) must not be opened as if it were this board.
  QTemporaryDir temp;
  QVERIFY(QDir(temp.path()).mkdir(QStringLiteral("print_temp.htm")));
  qputenv("TMPDIR", temp.path().toLocal8Bit());
  TPICSD33 board = FixtureBoard();
  RecordingOpener opener;
  vexlo::ui::Tfrmprintselect dialog(language_, prompt_, &opener);
  dialog.SetBoard(&board);
  QVERIFY(!dialog.PrintBoard());
  QVERIFY(opener.opened.isEmpty());
  QCOMPARE(prompt_.told.size(), 1);
  QVERIFY(prompt_.told.front().contains(QStringLiteral("print_temp.htm")));
  qunsetenv("TMPDIR");
}

void PrintCopyImportTest::copyShowsEachLayoutInTheStatedOrder() {
  TPICSD33 board = FixtureBoard();
  vexlo::ui::Tfrmcopy dialog(language_);
  dialog.Prepare(board);
  dialog.show();
  auto* memo = Child<QPlainTextEdit>(&dialog, "memo1");
  QVERIFY(QFontInfo(memo->font()).fixedPitch());
  QCOMPARE(dialog.Layout(), CopyLayout::NoCandidate);

  const struct {
    const char* button;
    const char* text;
    CopyLayout layout;
  } kButtons[] = {{"RadioButton2", "With Candidates", CopyLayout::WithCandidates},
                  {"RadioButton1", "No Candidate", CopyLayout::NoCandidate},
                  {"RadioButton3", "9*9", CopyLayout::Grid9x9},
                  {"RadioButton4", "1*81", CopyLayout::Line1x81}};
  int left = -1;
  for (const auto& entry : kButtons) {
    auto* button = Child<QRadioButton>(&dialog, entry.button);
    QCOMPARE(button->text(), QString::fromLatin1(entry.text));
    QVERIFY2(button->x() > left, entry.button);  // left to right in this order
    left = button->x();
    button->click();
    QCOMPARE(dialog.Layout(), entry.layout);
    QCOMPARE(memo->toPlainText(), Joined(vexlo::BuildCopyLayout(board, entry.layout, ".")));
    const bool chooser = entry.layout != CopyLayout::WithCandidates;
    QCOMPARE(Child<QComboBox>(&dialog, "ComboBox1")->isVisible(), chooser);
    QCOMPARE(Child<QLabel>(&dialog, "labelblank")->isVisible(), chooser);
  }
  QCOMPARE(memo->toPlainText(),
           QString::fromLatin1(kPuzzle).replace('0', '.').replace(0, 1, QStringLiteral("7")));
}

void PrintCopyImportTest::copyBlankChooserRebuildsAtOnce() {
  TPICSD33 board = FixtureBoard();
  vexlo::ui::Tfrmcopy dialog(language_);
  dialog.Prepare(board);
  dialog.show();
  auto* combo = Child<QComboBox>(&dialog, "ComboBox1");
  QCOMPARE(combo->count(), 4);
  QCOMPARE(
      (QStringList{combo->itemText(0), combo->itemText(1), combo->itemText(2), combo->itemText(3)}),
      (QStringList{".", "*", "0", ","}));
  QCOMPARE(combo->currentText(), QStringLiteral("."));

  combo->setCurrentIndex(1);  // "*" draws the frame without corners
  QVERIFY(dialog.Text().startsWith(QString(49, QLatin1Char('-')) + QLatin1Char('\n')));
  combo->clearEditText();
  QTest::keyClicks(combo->lineEdit(), QStringLiteral("#x"));  // one character at most
  QCOMPARE(combo->currentText(), QStringLiteral("#"));
  QCOMPARE(dialog.Text(), Joined(vexlo::BuildNoCandidate(board, "#")));
  combo->clearEditText();  // nothing typed: "."
  QCOMPARE(dialog.Text(), Joined(vexlo::BuildNoCandidate(board, ".")));

  QTest::keyClicks(combo->lineEdit(), QStringLiteral("0"));
  Child<QRadioButton>(&dialog, "RadioButton3")->click();
  QCOMPARE(dialog.Text(), Joined(vexlo::Build9x9(board, "0")));
}

void PrintCopyImportTest::copyPutsTheShownTextOnTheClipboard() {
  TPICSD33 board = FixtureBoard();
  vexlo::ui::Tfrmcopy dialog(language_);
  dialog.Prepare(board);
  dialog.show();
  auto* memo = Child<QPlainTextEdit>(&dialog, "memo1");
  memo->appendPlainText(QStringLiteral("my note"));  // hand edits are copied too
  Child<QPushButton>(&dialog, "Button1")->click();
  QCOMPARE(QGuiApplication::clipboard()->text(),
           Joined(vexlo::BuildNoCandidate(board, ".")) + QStringLiteral("\nmy note"));
  QVERIFY(!dialog.isVisible());
  Grab(&dialog, "copy_dialog.png");
}

void PrintCopyImportTest::copyFillsEmptyCellsAndReopensWithNoCandidate() {
  TPICSD33 board = FixtureBoard();
  board.cell(1, 4).digits.clear();  // a pencil-and-paper cell nobody wrote in
  vexlo::ui::Tfrmcopy dialog(language_);
  dialog.Prepare(board);
  QCOMPARE(board.cell(1, 4).digits, board.FreeDigits(1, 4));
  Child<QRadioButton>(&dialog, "RadioButton4")->click();
  Child<QComboBox>(&dialog, "ComboBox1")->setCurrentIndex(3);
  dialog.Prepare(board);
  QCOMPARE(dialog.Layout(), CopyLayout::NoCandidate);
  QCOMPARE(dialog.Text(), Joined(vexlo::BuildNoCandidate(board, ",")));  // the blank stays
}

void PrintCopyImportTest::importLoadsEachExample_data() {
  QTest::addColumn<int>("example");
  QTest::addColumn<int>("format");
  QTest::addColumn<QString>("description");
  QTest::addColumn<QString>("firstRow");  // state and digits of A1..A3
  QTest::newRow("81 characters")
      << 0 << int(ImportFormat::Line81)
      << "Enter a string of 81 numbers(you can express blanks as 0, * , ''.'')"
      << "31457,28,26,";
  QTest::newRow("nine rows") << 1 << int(ImportFormat::NineRows)
                             << "Enter nine rows,Each row with nine letters.(you can express "
                                "blanks as 0, * , ''.'')"
                             << "313569,28,313456,";
  QTest::newRow("decorated")
      << 2 << int(ImportFormat::Decorated)
      << "Enter any rows,Each row with any letters.(you can express blanks as 0, ''.'',except "
         "''*'')"
      << "327,29,25,";
  QTest::newRow("candidate grid") << 3 << int(ImportFormat::CandidateGrid)
                                  << "Include nine rows,the rows include digit group,and any string"
                                  << "25,313789,32389,";
}

void PrintCopyImportTest::importLoadsEachExample() {
  QFETCH(int, example);
  QFETCH(int, format);
  QFETCH(QString, description);
  QFETCH(QString, firstRow);
  TPICSD33 board;
  vexlo::ui::TfrmImport dialog(language_, prompt_);
  dialog.SetBoard(&board);
  dialog.show();
  Child<QPushButton>(&dialog, ("Button" + std::to_string(example + 3)).c_str())->click();
  QCOMPARE(Child<QLabel>(&dialog, "Label1")->text(), description);
  const QString text = dialog.Text();
  Child<QPushButton>(&dialog, "Button1")->click();
  QCOMPARE(int(dialog.LastFormat()), format);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.isVisible());
  QVERIFY(prompt_.told.isEmpty());
  QCOMPARE(QString::fromStdString(Snapshot(board)).left(firstRow.size()), firstRow);
  QCOMPARE(dialog.Text(), text);  // kept for the next opening
  if (example == 2) {
    dialog.show();
    Grab(&dialog, "import_dialog.png");
  }
}

void PrintCopyImportTest::importCancelAndBadTextLeaveTheBoard() {
  TPICSD33 board = FixtureBoard();
  const std::string before = Snapshot(board);
  vexlo::ui::TfrmImport dialog(language_, prompt_);
  dialog.SetBoard(&board);
  dialog.show();
  dialog.SetText(QString::fromLatin1(kPuzzle).replace('0', '5'));  // a valid text...
  Child<QPushButton>(&dialog, "Button2")->click();                 // ...cancelled
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QCOMPARE(Snapshot(board), before);

  dialog.show();
  dialog.SetText(QStringLiteral("12345678..\nno puzzle here"));
  Child<QPushButton>(&dialog, "Button1")->click();
  QCOMPARE(dialog.LastFormat(), ImportFormat::Invalid);
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QCOMPARE(prompt_.told, QStringList{QStringLiteral("Invalid format.")});
  QCOMPARE(Snapshot(board), before);
  QVERIFY(!dialog.isVisible());
}

void PrintCopyImportTest::importContextMenu() {
  vexlo::ui::TfrmImport dialog(language_, prompt_);
  dialog.show();
  auto* memo = Child<QPlainTextEdit>(&dialog, "memo2");
  QVERIFY(QFontInfo(memo->font()).fixedPitch());
  auto* menu = Child<QMenu>(&dialog, "PopupMenu1");
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  QCOMPARE(captions, (QStringList{"Select All", "Copy", "Paste", "Clear"}));

  dialog.SetText(QStringLiteral("1.3"));
  Action(&dialog, "e1")->trigger();
  QCOMPARE(memo->textCursor().selectedText(), QStringLiteral("1.3"));
  Action(&dialog, "e2")->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.3"));
  Action(&dialog, "e4")->trigger();
  QVERIFY(dialog.Text().isEmpty());
  QGuiApplication::clipboard()->setText(QStringLiteral("4.6\n7.9"));
  Action(&dialog, "e3")->trigger();
  QCOMPARE(dialog.Text(), QStringLiteral("4.6\n7.9"));
}

void PrintCopyImportTest::dialogsFollowTheLanguage() {
  RecordingOpener opener;
  vexlo::ui::Tfrmprintselect print(language_, prompt_, &opener);
  vexlo::ui::Tfrmcopy copy(language_);
  vexlo::ui::TfrmImport import(language_, prompt_);
  import.ShowExample(0);
  QCOMPARE(copy.windowTitle(),
           QStringLiteral("Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)"));

  language_.SelectLanguage(Language::Chinese);
  for (QWidget* dialog : {static_cast<QWidget*>(&print), static_cast<QWidget*>(&copy),
                          static_cast<QWidget*>(&import)}) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(dialog, &change);
  }
  auto chinese = [this](const char* key) {
    return QString::fromStdString(language_.LangText(key));
  };
  QCOMPARE(copy.windowTitle(), chinese("frmcopy.caption"));
  QCOMPARE(Child<QRadioButton>(&copy, "RadioButton2")->text(),
           chinese("frmcopy.RadioGroup1.Items[1]"));
  QCOMPARE(Child<QGroupBox>(&print, "pg2")->findChildren<QRadioButton*>().at(2)->text(),
           chinese("frmprintselect.pg2.Items[2]"));
  QCOMPARE(import.windowTitle(), chinese("frmImport.caption"));
  QCOMPARE(Child<QLabel>(&import, "Label1")->text(), chinese("msg_frmImport_81"));
  QCOMPARE(Action(&import, "e4")->text(), chinese("frmImport.e4.Caption"));
  QVERIFY(QFontInfo(Child<QPlainTextEdit>(&import, "memo2")->font()).fixedPitch());
  // The selection dialog carries the program's title in every language.
  QCOMPARE(print.windowTitle(), QGuiApplication::applicationDisplayName());
}

QTEST_MAIN(PrintCopyImportTest)
#include "print_copy_import_test.moc"
