#include "ui/save_game_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr int kLevels = 6;
constexpr int kUnknownLevel = 5;

const DialogTexts kTexts = {
    "frmsave", {"Label1", "RadioGroup1", "Button1", "Button2"}, {"RadioGroup1"}, {}};

}  // namespace

Tfrmsave::Tfrmsave(const ActiveLanguage& language, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmsave"));

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Edit1 = new QLineEdit(QStringLiteral("New Game"), this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->selectAll();
  Label1->setBuddy(Edit1);

  RadioGroup1 = new QGroupBox(this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  levels_ = new QButtonGroup(this);
  auto* grid = new QGridLayout(RadioGroup1);
  // Two columns, filled top to bottom as the items are numbered.
  for (int level = 0; level < kLevels; ++level) {
    auto* item = new QRadioButton(RadioGroup1);
    item->setObjectName(QStringLiteral("RadioGroup1_%1").arg(level));
    levels_->addButton(item, level);
    grid->addWidget(item, level % 3, level / 3);
  }
  setLevel(0);

  Button1 = new QPushButton(this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(this);
  Button2->setObjectName(QStringLiteral("Button2"));
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  // A game without a name could not be found in the list again.
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString& text) { Button1->setEnabled(!text.isEmpty()); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Edit1);
  layout->addSpacing(6);
  layout->addWidget(RadioGroup1);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(349, 236);

  FollowLanguage(this, [this, &language] {
    ApplyDialogTexts(this, language.Table(), kTexts);
    UnifyFonts(this);
  });
}

std::string Tfrmsave::gameName() const { return Edit1->text().toStdString(); }

int Tfrmsave::level() const { return std::max(0, levels_->checkedId()); }

void Tfrmsave::setLevel(int level) {
  levels_->button(level >= 0 && level < kLevels ? level : kUnknownLevel)->setChecked(true);
}

}  // namespace vexlo::ui
