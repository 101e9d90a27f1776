#include "ui/print_select_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QUrl>
#include <QVBoxLayout>

#include "board/board.h"
#include "game/prompt.h"
#include "storage/text_file.h"
#include "ui/help_opener.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frmprintselect";

const DialogTexts kTexts = {
    kDialogName,
    {"RadioGroup1", "RadioButton1", "RadioButton2", "pg2", "SpeedButton1", "SpeedButton2"},
    {"pg2"},
    {}};

QRadioButton* NamedRadio(const char* name, QWidget* parent) {
  auto* button = new QRadioButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// Writes the whole page or nothing: a page left over from an earlier print must never be
// opened as if it showed this board.
bool WritePage(const QString& path, const std::vector<std::string>& lines, QString& error) {
  QSaveFile file(path);
  const std::string bytes = JoinLinesCrLf(lines);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

QString PrintPagePath() {
  const QString folder = QDir::tempPath();
  const QString name = QStringLiteral("print_temp.htm");
  return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

Tfrmprintselect::Tfrmprintselect(const ActiveLanguage& language, Prompt& prompt, UrlOpener* opener,
                                 QWidget* parent)
    : QDialog(parent), language_(language), prompt_(prompt), opener_(opener) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));
  if (opener_ == nullptr) {
    ownOpener_ = std::make_unique<DesktopUrlOpener>();
    opener_ = ownOpener_.get();
  }

  RadioGroup1 = new QGroupBox(this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioButton1 = NamedRadio("RadioButton1", RadioGroup1);
  RadioButton2 = NamedRadio("RadioButton2", RadioGroup1);
  RadioButton1->setChecked(true);
  auto* styleLayout = new QVBoxLayout(RadioGroup1);
  styleLayout->addWidget(RadioButton1);
  styleLayout->addWidget(RadioButton2);

  pg2 = new QGroupBox(this);
  pg2->setObjectName(QStringLiteral("pg2"));
  auto* paperLayout = new QVBoxLayout(pg2);
  for (std::size_t item = 0; item < paperItems_.size(); ++item) {
    paperItems_[item] = new QRadioButton(pg2);
    paperLayout->addWidget(paperItems_[item]);
  }
  paperItems_[0]->setChecked(true);

  SpeedButton1 = new QPushButton(this);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setDefault(true);
  SpeedButton2 = new QPushButton(this);
  SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { PrintBoard(); });
  connect(SpeedButton2, &QPushButton::clicked, this, &QDialog::reject);

  auto* groups = new QHBoxLayout;
  groups->addWidget(RadioGroup1);
  groups->addWidget(pg2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(SpeedButton1);
  buttons->addWidget(SpeedButton2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  FollowLanguage(this, [this] {
    ApplyDialogTexts(this, language_.Table(), kTexts);
    UnifyFonts(this);
    // The style frame has a bold caption; its choices stay plain.
    QFont bold = RadioGroup1->font();
    bold.setBold(true);
    RadioGroup1->setFont(bold);
    QFont plain = bold;
    plain.setBold(false);
    RadioButton1->setFont(plain);
    RadioButton2->setFont(plain);
    // The table has no title for this dialog: it carries the program's.
    setWindowTitle(QGuiApplication::applicationDisplayName());
  });
}

Tfrmprintselect::~Tfrmprintselect() = default;

PrintStyle Tfrmprintselect::Style() const {
  return RadioButton2->isChecked() ? PrintStyle::WithCandidates : PrintStyle::Normal;
}

PaperSize Tfrmprintselect::Paper() const {
  if (paperItems_[2]->isChecked()) return PaperSize::A2;
  if (paperItems_[1]->isChecked()) return PaperSize::A3;
  return PaperSize::A4;
}

bool Tfrmprintselect::PrintBoard() {
  if (board_ == nullptr) return false;
  const std::vector<std::string> page =
      BuildPrintPage(*board_, PrintBuilderFor(Style(), Paper()), language_.Table());
  const QString path = PrintPagePath();
  QString error;
  if (!WritePage(path, page, error)) {
    prompt_.Tell(QCoreApplication::translate("Tfrmprintselect",
                                             "The printable page could not be written to "
                                             "%1: %2")
                     .arg(QDir::toNativeSeparators(path), error)
                     .toStdString());
    return false;
  }
  // Whether a program showed the page is the desktop's business; nothing is reported.
  opener_->OpenUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  return true;
}

}  // namespace vexlo::ui
