#include "ui/import_dialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <vector>

#include "board/board.h"
#include "game/prompt.h"
#include "ui/fixed_width_font.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frmImport";
constexpr QSize kDialogSize(709, 324);

const DialogTexts kTexts = {kDialogName,
                            {"Label1", "Label2", "Button1", "Button2", "Button3", "Button4",
                             "Button5", "Button6", "e1", "e2", "e3", "e4"},
                            {},
                            {}};

struct ImportExample {
  const char* text;
  const char* descriptionKey;
};

// One sample of each format: 81 characters, nine rows with "*" blanks, a framed grid with
// "." blanks, and a framed grid of candidate groups as the copy dialog writes it.
// clang-format off
const std::array<ImportExample, TfrmImport::kExampleCount> kExamples = {{
    {"086009000003200000002004903004000000005000700697041230008050001001760000059000006",
     "msg_frmImport_81"},
    {"*8******7\n****96***\n**2**3***\n*******9*\n**9***56*\n***1****4\n4********\n"
     "****5**3*\n71*8*****",
     "msg_frmImport_99"},
    {
     "*--------------------------------------------------------------------------------------------*\n"
     "|         .         9         5|         .         .         3|         8         1         4|\n"
     "|         .         8         .|         .         .         2|         .         .         .|\n"
     "|         6         .         .|         .         8         .|         2         .         7|\n"
     "|------------------------------+------------------------------+------------------------------|\n"
     "|         .         .         .|         1         9         .|         6         .         .|\n"
     "|         3         .         .|         .         .         .|         .         .         .|\n"
     "|         .         .         .|         .         .         .|         5         .         .|\n"
     "|------------------------------+------------------------------+------------------------------|\n"
     "|         1         .         8|         3         .         .|         7         .         .|\n"
     "|         .         .         .|         .         .         4|         .         6         .|\n"
     "|         .         .         6|         .         .         7|         .         8         3|\n"
     "*--------------------------------------------------------------------------------------------*"
     , "msg_frmImport_992"},
    {
     "*--------------------------------------------------------------------------------------------*\n"
     "|         5     13789      2389|    123479       379         6|     23478     23479    234789|\n"
     "|     12379     13679      2369|   1234579      3579         8|    234567    234679   2345679|\n"
     "|      2379     36789         4|     23579      3579      2379|    235678     23679         1|\n"
     "|------------------------------+------------------------------+------------------------------|\n"
     "|      3479    345789         1|    346789         2      3479|     34567     34679    345679|\n"
     "|         6      3479       239|     13479       379         5|     12347         8     23479|\n"
     "|     23479    345789     23589|   1346789     36789     13479|   1234567   1234679   2345679|\n"
     "|------------------------------+------------------------------+------------------------------|\n"
     "|         8     13469         7|      2369       369       239|     12346         5      2346|\n"
     "|        13      1356       356|    235678         4       237|         9     12367     23678|\n"
     "|       349         2      3569|    356789         1       379|     34678      3467     34678|\n"
     "*--------------------------------------------------------------------------------------------*"
     , "msg_frmImport_cand"},
}};
// clang-format on

QAction* NamedAction(const char* name, QObject* parent) {
  auto* action = new QAction(parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QPushButton* NamedButton(const char* name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// The lines as the editor holds them.
std::vector<std::string> LinesOf(const QString& text) {
  std::vector<std::string> lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
  return lines;
}

}  // namespace

TfrmImport::TfrmImport(const ActiveLanguage& language, Prompt& prompt, QWidget* parent)
    : QDialog(parent), language_(language), prompt_(prompt) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));

  memo2 = new QPlainTextEdit(this);
  memo2->setObjectName(QStringLiteral("memo2"));
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("PopupMenu1"));
  e1 = NamedAction("e1", popup_);
  e2 = NamedAction("e2", popup_);
  e3 = NamedAction("e3", popup_);
  e4 = NamedAction("e4", popup_);
  popup_->addActions({e1, e2, e3, e4});
  connect(e1, &QAction::triggered, memo2, &QPlainTextEdit::selectAll);
  connect(e2, &QAction::triggered, memo2, &QPlainTextEdit::copy);
  connect(e3, &QAction::triggered, memo2, &QPlainTextEdit::paste);
  connect(e4, &QAction::triggered, memo2, &QPlainTextEdit::clear);
  memo2->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(memo2, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    e2->setEnabled(memo2->textCursor().hasSelection());
    popup_->exec(memo2->viewport()->mapToGlobal(at));
  });

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));

  auto* examples = new QHBoxLayout;
  examples->addWidget(Label2);
  for (int index = 0; index < kExampleCount; ++index) {
    const std::string name = "Button" + std::to_string(index + 3);
    exampleButtons_[index] = NamedButton(name.c_str(), this);
    exampleButtons_[index]->setAutoDefault(false);
    examples->addWidget(exampleButtons_[index]);
    connect(exampleButtons_[index], &QPushButton::clicked, this,
            [this, index] { ShowExample(index); });
  }
  examples->addStretch();

  Button1 = NamedButton("Button1", this);
  Button2 = NamedButton("Button2", this);
  // Return belongs to the editor: a puzzle is typed over several lines.
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, [this] { Import(); });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  examples->addWidget(Button1);
  examples->addWidget(Button2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo2, 1);
  layout->addWidget(Label1);
  layout->addLayout(examples);

  FollowLanguage(this, [this] { ApplyTexts(); });
  resize(kDialogSize);
}

int TfrmImport::ShowFor(TPICSD33& board) {
  SetBoard(&board);
  return exec();
}

ImportFormat TfrmImport::Import() {
  if (board_ == nullptr) return ImportFormat::Invalid;
  lastFormat_ = ImportPuzzleText(*board_, LinesOf(memo2->toPlainText()));
  if (lastFormat_ == ImportFormat::Invalid) {
    prompt_.Tell(language_.LangText("msg_frm_new_invalid_format"));
    reject();
  } else {
    accept();
  }
  return lastFormat_;
}

void TfrmImport::ShowExample(int index) {
  if (index < 0 || index >= kExampleCount) return;
  memo2->setPlainText(QString::fromUtf8(kExamples[static_cast<std::size_t>(index)].text));
  shownExample_ = index;
  ApplyTexts();
}

QString TfrmImport::Text() const { return memo2->toPlainText(); }

void TfrmImport::SetText(const QString& text) { memo2->setPlainText(text); }

void TfrmImport::ApplyTexts() {
  ApplyDialogTexts(this, language_.Table(), kTexts);
  UnifyFonts(this);
  SetUpPuzzleTextEditor(memo2);
  if (shownExample_ >= 0) {
    const char* key = kExamples[static_cast<std::size_t>(shownExample_)].descriptionKey;
    Label1->setText(QString::fromStdString(language_.LangText(key)));
  }
}

}  // namespace vexlo::ui
