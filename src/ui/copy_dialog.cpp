#include "ui/copy_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "board/board.h"
#include "ui/fixed_width_font.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frmcopy";
constexpr QSize kOpeningSize(725, 309);

// "With Candidates" stands left of "No Candidate" but is the table's second item.
const DialogTexts kTexts = {kDialogName,
                            {"RadioGroup1", "labelblank", "Button1", "Button2"},
                            {},
                            {{"RadioButton1", "frmcopy.RadioGroup1.Items[0]"},
                             {"RadioButton2", "frmcopy.RadioGroup1.Items[1]"},
                             {"RadioButton3", "frmcopy.RadioGroup1.Items[2]"},
                             {"RadioButton4", "frmcopy.RadioGroup1.Items[3]"}}};

template <class Widget>
Widget* Named(const char* name, QWidget* parent) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined << QString::fromStdString(line);
  return joined.join(QLatin1Char('\n'));
}

}  // namespace

Tfrmcopy::Tfrmcopy(const ActiveLanguage& language, QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));

  memo1 = Named<QPlainTextEdit>("memo1", this);

  RadioGroup1 = Named<QGroupBox>("RadioGroup1", this);
  RadioButton1 = Named<QRadioButton>("RadioButton1", RadioGroup1);
  RadioButton2 = Named<QRadioButton>("RadioButton2", RadioGroup1);
  RadioButton3 = Named<QRadioButton>("RadioButton3", RadioGroup1);
  RadioButton4 = Named<QRadioButton>("RadioButton4", RadioGroup1);
  RadioButton1->setChecked(true);
  auto* layouts = new QHBoxLayout(RadioGroup1);
  for (QRadioButton* button : {RadioButton2, RadioButton1, RadioButton3, RadioButton4}) {
    layouts->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) ShowLayout();
    });
  }
  layouts->addStretch();

  labelblank = Named<QLabel>("labelblank", this);
  ComboBox1 = Named<QComboBox>("ComboBox1", this);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->addItems(
      {QStringLiteral("."), QStringLiteral("*"), QStringLiteral("0"), QStringLiteral(",")});
  ComboBox1->lineEdit()->setMaxLength(1);
  ComboBox1->setCurrentIndex(0);
  ComboBox1->setMinimumContentsLength(2);
  labelblank->setBuddy(ComboBox1);
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this] {
    if (LayoutUsesBlank(Layout())) ShowLayout();
  });

  Button1 = Named<QPushButton>("Button1", this);
  Button2 = Named<QPushButton>("Button2", this);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &Tfrmcopy::CopyToClipboard);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  auto* controls = new QHBoxLayout;
  controls->addWidget(RadioGroup1);
  controls->addWidget(labelblank);
  controls->addWidget(ComboBox1);
  controls->addStretch();
  controls->addWidget(Button1);
  controls->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo1, 1);
  layout->addLayout(controls);

  FollowLanguage(this, [this] {
    ApplyDialogTexts(this, language_.Table(), kTexts);
    UnifyFonts(this);
    SetUpPuzzleTextEditor(memo1);
  });
  resize(kOpeningSize);
}

void Tfrmcopy::Prepare(TPICSD33& board) {
  resize(kOpeningSize);
  FillEmptyCellsForCopy(board);
  board_ = &board;
  // Selecting a checked button raises no toggle, so the layout is built here as well.
  RadioButton1->setChecked(true);
  ShowLayout();
}

int Tfrmcopy::ShowFor(TPICSD33& board) {
  Prepare(board);
  return exec();
}

CopyLayout Tfrmcopy::Layout() const {
  if (RadioButton2->isChecked()) return CopyLayout::WithCandidates;
  if (RadioButton3->isChecked()) return CopyLayout::Grid9x9;
  if (RadioButton4->isChecked()) return CopyLayout::Line1x81;
  return CopyLayout::NoCandidate;
}

QString Tfrmcopy::Text() const { return memo1->toPlainText(); }

void Tfrmcopy::CopyToClipboard() {
  memo1->selectAll();
  QGuiApplication::clipboard()->setText(memo1->toPlainText());
  accept();
}

void Tfrmcopy::ShowLayout() {
  const CopyLayout layout = Layout();
  const bool usesBlank = LayoutUsesBlank(layout);
  labelblank->setVisible(usesBlank);
  ComboBox1->setVisible(usesBlank);
  if (board_ == nullptr) return;
  const std::string blank = BlankCharacter(ComboBox1->currentText().toStdString());
  memo1->setPlainText(JoinLines(BuildCopyLayout(*board_, layout, blank)));
}

}  // namespace vexlo::ui
