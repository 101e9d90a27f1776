#include "ui/solutions_viewer.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frmdas";
const DialogTexts kTexts = {kDialogName, {"Button1"}, {}, {}};

}  // namespace

TFrmdas::TFrmdas(const ActiveLanguage& language, QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));
  setFixedSize(517, 418);
  setModal(true);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(0, 0, 517, 375);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

  Button1 = new QPushButton(this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(427, 384, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  FollowLanguage(this, [this, &language] {
    ApplyDialogTexts(this, language.Table(), kTexts);
    UnifyFonts(this);
  });
}

void TFrmdas::SetLines(const std::vector<std::string>& lines) {
  Memo1->clear();
  for (const std::string& line : lines) Memo1->appendPlainText(QString::fromStdString(line));
  Memo1->moveCursor(QTextCursor::Start);
}

}  // namespace vexlo::ui
