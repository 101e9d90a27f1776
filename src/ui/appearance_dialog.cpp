#include "ui/appearance_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "settings/appearance_sample.h"
#include "ui/appearance_color_panel.h"
#include "ui/board_view.h"
#include "ui/color_picker.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"
#include "ui/qsettings_store.h"

namespace vexlo::ui {

namespace {

const DialogTexts& Texts() {
  static const DialogTexts texts{
      .dialog = "frmappearance",
      .captions = {"GroupBox1", "GroupBox2", "GroupBox3", "CheckBox1", "CheckBox2", "CheckBox3",
                   "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Button1", "Button2",
                   "Button3"},
      .radioItems = {},
      .keyed = {},
  };
  return texts;
}

}  // namespace

TfrmAppearance::TfrmAppearance(AppearanceStore& store, TPICSD33& mainBoard,
                               const ActiveLanguage& language, QWidget* parent,
                               KeyValueStore* backend, ColorPicker* picker)
    : QDialog(parent),
      store_(store),
      mainBoard_(mainBoard),
      language_(language),
      backend_(backend),
      picker_(picker) {
  if (backend_ == nullptr) {
    ownBackend_ = std::make_unique<QSettingsStore>();
    backend_ = ownBackend_.get();
  }
  if (picker_ == nullptr) {
    ownPicker_ = std::make_unique<ColorDialogPicker>(this);
    picker_ = ownPicker_.get();
  }
  setObjectName(QStringLiteral("frmAppearance"));
  BuildControls();
  WireControls();
  FollowLanguage(this, [this] {
    ApplyDialogTexts(this, language_.Table(), Texts());
    UnifyFonts(this);
  });
  FillAppearanceSample(sd1Board_);
  LoadAppearanceDialog(sd1Board_);
  LoadAppearanceDialog(mainBoard_);
}

TfrmAppearance::~TfrmAppearance() = default;

void TfrmAppearance::BuildControls() {
  auto* left = new QVBoxLayout;
  left->setSpacing(12);
  GroupBox1 = AddGroup("GroupBox1", CheckBox1, "CheckBox1");
  Panel1 = AddPanel(GroupBox1, "Panel1", "Label1", AppearanceGroup::Background);
  Panel2 = AddPanel(GroupBox1, "Panel2", "Label2", AppearanceGroup::Background);
  GroupBox2 = AddGroup("GroupBox2", CheckBox2, "CheckBox2");
  fpanel1 = AddPanel(GroupBox2, "fpanel1", "Label3", AppearanceGroup::Digits);
  fpanel2 = AddPanel(GroupBox2, "fpanel2", "Label4", AppearanceGroup::Digits);
  fpanel3 = AddPanel(GroupBox2, "fpanel3", "Label5", AppearanceGroup::Digits);
  GroupBox3 = AddGroup("GroupBox3", CheckBox3, "CheckBox3");
  highpanle = AddPanel(GroupBox3, "highpanle", "Label6", AppearanceGroup::Highlight);
  for (QGroupBox* group : {GroupBox1, GroupBox2, GroupBox3}) left->addWidget(group);
  left->addStretch();

  sd1 = new BoardView(sd1Board_, this);
  sd1->setObjectName(QStringLiteral("sd1"));
  sd1->setFixedSize(TPICSD33::kBoardSize, TPICSD33::kBoardSize);

  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(sd1, 0, Qt::AlignTop);

  Button3 = new QPushButton(this);
  Button1 = new QPushButton(this);
  Button2 = new QPushButton(this);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Button1->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button3);
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addLayout(buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* TfrmAppearance::AddGroup(const char* name, QCheckBox*& box, const char* checkName) {
  auto* group = new QGroupBox(this);
  group->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(group);
  grid->setColumnStretch(0, 1);
  box = new QCheckBox(group);
  box->setObjectName(QString::fromLatin1(checkName));
  grid->addWidget(box, 0, 0, 1, 2);
  return group;
}

AppearanceColorPanel* TfrmAppearance::AddPanel(QGroupBox* group, const char* panelName,
                                               const char* labelName, AppearanceGroup which) {
  auto* grid = static_cast<QGridLayout*>(group->layout());
  const int row = grid->rowCount();
  auto* label = new QLabel(group);
  label->setObjectName(QString::fromLatin1(labelName));
  auto* panel = new AppearanceColorPanel(group);
  panel->setObjectName(QString::fromLatin1(panelName));
  grid->addWidget(label, row, 0);
  grid->addWidget(panel, row, 1);
  connect(panel, &AppearanceColorPanel::clicked, this,
          [this, panel, which] { PanelClick(panel, which); });
  return panel;
}

void TfrmAppearance::WireControls() {
  connect(CheckBox1, &QCheckBox::clicked, this,
          [this] { GroupChanged(AppearanceGroup::Background); });
  connect(CheckBox2, &QCheckBox::clicked, this, [this] { GroupChanged(AppearanceGroup::Digits); });
  connect(CheckBox3, &QCheckBox::clicked, this,
          [this] { GroupChanged(AppearanceGroup::Highlight); });
  connect(Button3, &QPushButton::clicked, this, &TfrmAppearance::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &TfrmAppearance::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAppearance::ShowInControls(const AppearanceSettings& s) {
  CheckBox1->setChecked(s.backgroundDefault);
  Panel1->setColor(s.boardColor1);
  Panel2->setColor(s.boardColor2);
  CheckBox2->setChecked(s.fontDefault);
  fpanel1->setColor(s.fontFix);
  fpanel2->setColor(s.fontBig);
  fpanel3->setColor(s.fontCandidate);
  CheckBox3->setChecked(s.highlightDefault);
  highpanle->setColor(s.highlight);
}

AppearanceSettings TfrmAppearance::FromControls() const {
  AppearanceSettings s;
  s.backgroundDefault = CheckBox1->isChecked();
  s.boardColor1 = Panel1->color();
  s.boardColor2 = Panel2->color();
  s.fontDefault = CheckBox2->isChecked();
  s.fontFix = fpanel1->color();
  s.fontBig = fpanel2->color();
  s.fontCandidate = fpanel3->color();
  s.highlightDefault = CheckBox3->isChecked();
  s.highlight = highpanle->color();
  return s;
}

void TfrmAppearance::ApplyTo(TPICSD33& board) {
  ApplyAppearance(FromControls(), board);
  if (&board == &sd1Board_) {
    HighlightAppearanceSample(sd1Board_);
    sd1->refresh();
  } else {
    emit mainBoardColoursChanged();
  }
}

void TfrmAppearance::LoadAppearanceDialog(TPICSD33& board) {
  ShowInControls(ReloadAppearance(store_, *backend_));
  ApplyTo(board);
}

void TfrmAppearance::GroupChanged(AppearanceGroup group) {
  WriteGroup(FromControls(), group, store_);
  ApplyTo(sd1Board_);
}

void TfrmAppearance::PanelClick(AppearanceColorPanel* panel, AppearanceGroup group) {
  if (auto chosen = picker_->PickColor(panel->color())) panel->setColor(*chosen);
  GroupChanged(group);
}

void TfrmAppearance::Button3Click() {
  SetDefaultAppearance(store_);
  if (SaveAppearanceStore(store_, *backend_)) {
    LoadAppearanceDialog(sd1Board_);
  } else {
    // Nowhere to keep them: show the defaults the store now holds rather than the old values.
    ShowInControls(*SettingsFromStore(store_));
    ApplyTo(sd1Board_);
  }
}

void TfrmAppearance::Button1Click() {
  if (SaveAppearanceStore(store_, *backend_)) {
    LoadAppearanceDialog(mainBoard_);
  } else {
    // The choice cannot be kept, but the player still gets it on the board for this run.
    ApplyTo(mainBoard_);
  }
  accept();
}

void TfrmAppearance::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) LoadAppearanceDialog(sd1Board_);
  QDialog::showEvent(event);
}

}  // namespace vexlo::ui
