// The Appearance dialog: the main board takes the stored colours when the dialog is created,
// colours are picked into the preview, and Default, OK and Cancel keep or discard them.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <deque>

#include "settings/appearance_store.h"
#include "settings/memory_key_value_store.h"
#include "ui/appearance_color_panel.h"
#include "ui/appearance_dialog.h"
#include "ui/color_picker.h"

namespace {

using vexlo::Color;
using vexlo::Rgb;
using vexlo::TPICSD33;
using vexlo::ui::AppearanceColorPanel;
using vexlo::ui::TfrmAppearance;

constexpr Color kGreen = Rgb(0, 128, 0);  // 32768
constexpr Color kBuiltinYellow = 65535;

class ScriptedPicker : public vexlo::ui::ColorPicker {
 public:
  std::deque<std::optional<Color>> answers;
  std::vector<Color> offered;
  std::optional<Color> PickColor(Color initial) override {
    offered.push_back(initial);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

std::map<std::string, std::string> DefaultValues() {
  vexlo::MemoryKeyValueStore backend;
  vexlo::AppearanceStore store;
  vexlo::LoadAppearanceStore(store, backend);
  return backend.values;
}

// A player who chose a red and green chequer, dark digits and a green highlight.
std::map<std::string, std::string> CustomValues() {
  auto values = DefaultValues();
  values["reg_board_background_use_default"] = "0";
  values["reg_Board_color1"] = "255";
  values["reg_Board_color2"] = "65280";
  values["reg_HighLight_use_default"] = "0";
  values["reg_HighLight_color"] = "32768";
  return values;
}

class AppearanceDialogTest : public QObject {
  Q_OBJECT

  vexlo::MemoryKeyValueStore backend;
  vexlo::AppearanceStore store;
  TPICSD33 mainBoard{vexlo::BoardPreset::MainWindow};
  vexlo::ActiveLanguage language;
  ScriptedPicker picker;
  std::unique_ptr<TfrmAppearance> dialog;

  void Create() {
    vexlo::LoadAppearanceStore(store, backend);  // as the main window's creation does
    dialog =
        std::make_unique<TfrmAppearance>(store, mainBoard, language, nullptr, &backend, &picker);
  }
  template <typename T>
  T* Control(const char* name) {
    T* control = dialog->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }
  void ClickPanel(const char* name) {
    QTest::mouseClick(Control<AppearanceColorPanel>(name), Qt::LeftButton);
  }
  TPICSD33& Preview() { return dialog->previewBoard(); }

 private slots:
  void init() {
    backend = {};
    store = {};
    mainBoard = TPICSD33(vexlo::BoardPreset::MainWindow);
    language.SelectLanguage(vexlo::Language::English);
    picker = {};
  }
  void cleanup() { dialog.reset(); }

  void firstRunWritesDefaultsAndGivesTheMainBoardTheBuiltInColours() {
    Create();
    QCOMPARE(backend.values, DefaultValues());
    QCOMPARE(mainBoard.UNFoucsColor1, Color{16777215});
    QCOMPARE(mainBoard.UNFoucsColor2, Color{14284791});
    QCOMPARE(mainBoard.FONTColor3, Color{0});
    QCOMPARE(mainBoard.highcolor, kBuiltinYellow);
    QVERIFY(Control<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(Control<AppearanceColorPanel>("Panel1")->color(), Color{13891060});
  }

  void creationGivesMainBoardAndPreviewTheStoredColours() {
    backend.values = CustomValues();
    Create();
    for (TPICSD33* board : {&mainBoard, &Preview()}) {
      QCOMPARE(board->UNFoucsColor1, Color{255});
      QCOMPARE(board->UNFoucsColor2, Color{65280});
      QCOMPARE(board->highcolor, kGreen);
      QCOMPARE(board->FONTColor2, Color{16711680});
    }
    QCOMPARE(Preview().cell(1, 3).background, kGreen);  // a "5" of the sample
    QVERIFY(!Control<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(Control<QCheckBox>("CheckBox2")->isChecked());
  }

  void damagedColourResetsEverythingAtCreation() {
    backend.values = CustomValues();
    backend.values["reg_HighLight_color"] = "abc";
    Create();
    QCOMPARE(backend.values, DefaultValues());
    QCOMPARE(mainBoard.UNFoucsColor1, Color{16777215});
    QCOMPARE(mainBoard.highcolor, kBuiltinYellow);
  }

  void textsComeFromTheActiveTable() {
    Create();
    QCOMPARE(dialog->windowTitle(), QString("Appearance"));
    QCOMPARE(Control<QGroupBox>("GroupBox2")->title(), QString("Font Color"));
    QCOMPARE(Control<QCheckBox>("CheckBox3")->text(), QString("Default Color"));
    QCOMPARE(Control<QLabel>("Label4")->text(), QString("Big Number"));
    QCOMPARE(Control<QPushButton>("Button1")->text(), QString("OK"));
    QCOMPARE(Control<QPushButton>("Button3")->text(), QString("Default"));
  }

  void pickedColourReachesPreviewAndStoreButNotBackendOrMainBoard() {
    Create();
    dialog->show();
    Control<QCheckBox>("CheckBox3")->click();  // own highlight colour
    picker.answers = {kGreen};
    ClickPanel("highpanle");
    QCOMPARE(picker.offered, std::vector<Color>{kBuiltinYellow});
    QCOMPARE(Control<AppearanceColorPanel>("highpanle")->color(), kGreen);
    QCOMPARE(Preview().highcolor, kGreen);
    QCOMPARE(Preview().cell(1, 3).background, kGreen);
    QCOMPARE(store[vexlo::AppearanceValue::HighlightUseDefault], std::string("0"));
    QCOMPARE(store[vexlo::AppearanceValue::HighlightColor], std::string("32768"));
    QCOMPARE(backend.values, DefaultValues());
    QCOMPARE(mainBoard.highcolor, kBuiltinYellow);
  }

  void cancelledPickerKeepsThePanelColour() {
    Create();
    dialog->show();
    ClickPanel("fpanel2");
    QCOMPARE(picker.offered.size(), std::size_t{1});
    QCOMPARE(Control<AppearanceColorPanel>("fpanel2")->color(), Color{16711680});
  }

  void okStoresAndRecoloursTheMainBoard() {
    Create();
    QSignalSpy recoloured(dialog.get(), &TfrmAppearance::mainBoardColoursChanged);
    dialog->show();
    Control<QCheckBox>("CheckBox2")->click();
    picker.answers = {Rgb(0, 0, 128)};
    ClickPanel("fpanel3");
    Control<QPushButton>("Button1")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(backend.values.at("reg_Font_use_default"), std::string("0"));
    QCOMPARE(backend.values.at("reg_Font_color_Candidate"), std::string("8388608"));
    QCOMPARE(mainBoard.FONTColor3, Rgb(0, 0, 128));
    QCOMPARE(recoloured.count(), 1);
  }

  void uncheckingBackgroundAndOkPaintsBothBoxShadesAlike() {
    Create();
    dialog->show();
    Control<QCheckBox>("CheckBox1")->click();
    Control<QPushButton>("Button1")->click();
    QCOMPARE(mainBoard.UNFoucsColor1, Color{13891060});
    QCOMPARE(mainBoard.UNFoucsColor2, Color{13891060});
  }

  void cancelLeavesBackendAndMainBoardAndTheNextOpeningShowsTheStoredValues() {
    backend.values = CustomValues();
    Create();
    dialog->show();
    Control<QCheckBox>("CheckBox1")->click();  // back to built-in background
    picker.answers = {Rgb(1, 2, 3)};
    ClickPanel("Panel2");
    Control<QPushButton>("Button2")->click();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(backend.values, CustomValues());
    QCOMPARE(mainBoard.UNFoucsColor1, Color{255});

    dialog->show();
    QVERIFY(!Control<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(Control<AppearanceColorPanel>("Panel2")->color(), Color{65280});
    QCOMPARE(Preview().UNFoucsColor2, Color{65280});
  }

  void defaultThenCancelStoresDefaultsButKeepsTheMainBoard() {
    backend.values = CustomValues();
    Create();
    QSignalSpy recoloured(dialog.get(), &TfrmAppearance::mainBoardColoursChanged);
    dialog->show();
    Control<QPushButton>("Button3")->click();
    QCOMPARE(backend.values, DefaultValues());
    QVERIFY(Control<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(Preview().UNFoucsColor1, Color{16777215});
    Control<QPushButton>("Button2")->click();
    QCOMPARE(backend.values, DefaultValues());
    QCOMPARE(mainBoard.UNFoucsColor1, Color{255});
    QCOMPARE(mainBoard.highcolor, kGreen);
    QCOMPARE(recoloured.count(), 0);
  }

  void choiceReachesTheMainBoardEvenWhenItCannotBeStored() {
    backend.values = CustomValues();
    Create();
    backend.readOnly = true;
    dialog->show();
    Control<QPushButton>("Button3")->click();
    QVERIFY(Control<QCheckBox>("CheckBox1")->isChecked());  // shows what was asked for
    Control<QPushButton>("Button1")->click();
    QCOMPARE(backend.values, CustomValues());
    QCOMPARE(mainBoard.UNFoucsColor1, Color{16777215});
    QCOMPARE(mainBoard.highcolor, kBuiltinYellow);
  }

  void screenshot() {
    const QByteArray dir = qgetenv("VEXLO_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("set VEXLO_SCREENSHOT_DIR to save a picture of the dialog");
    for (auto lang : {vexlo::Language::English, vexlo::Language::Chinese}) {
      language.SelectLanguage(lang);
      backend.values = lang == vexlo::Language::English ? DefaultValues() : CustomValues();
      Create();
      dialog->show();
      QVERIFY(
          dialog->grab().save(QDir(QString::fromUtf8(dir))
                                  .filePath(QStringLiteral("appearance_%1.png").arg(int(lang)))));
      dialog.reset();
    }
  }
};

}  // namespace

QTEST_MAIN(AppearanceDialogTest)
#include "appearance_dialog_test.moc"
