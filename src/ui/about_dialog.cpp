#include "ui/about_dialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

constexpr std::string_view kDialogName = "frm_about";

// Title, name, description and button caption; an empty value is applied too. The version
// number is the same in every language.
const DialogTexts kTexts = {kDialogName, {"lbl1", "lbl2", "Button1"}, {}, {}};

// The program's mark: one box of a Sudoku grid with a few givens, drawn rather than shipped so
// that it stays sharp at any scale.
QPixmap ProgramMark(int side, qreal ratio) {
  QPixmap pixmap(QSize(side, side) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box(2, 2, side - 4, side - 4);
  painter.setPen(QPen(QColor(31, 78, 121), 2.5));
  painter.setBrush(QColor(232, 239, 247));
  painter.drawRoundedRect(box, 6, 6);
  const qreal cell = box.width() / 3;
  painter.setPen(QPen(QColor(120, 150, 185), 1));
  for (int i = 1; i < 3; ++i) {
    painter.drawLine(QPointF(box.left() + i * cell, box.top() + 3),
                     QPointF(box.left() + i * cell, box.bottom() - 3));
    painter.drawLine(QPointF(box.left() + 3, box.top() + i * cell),
                     QPointF(box.right() - 3, box.top() + i * cell));
  }
  QFont font;
  font.setBold(true);
  font.setPixelSize(static_cast<int>(cell * 0.7));
  painter.setFont(font);
  const struct {
    int row, col;
    const char* digit;
    QColor colour;
  } digits[] = {{0, 0, "5", Qt::black},
                {1, 1, "9", QColor(0, 0, 200)},
                {2, 2, "3", Qt::black},
                {0, 2, "7", QColor(0, 0, 200)}};
  for (const auto& d : digits) {
    painter.setPen(d.colour);
    painter.drawText(QRectF(box.left() + d.col * cell, box.top() + d.row * cell, cell, cell),
                     Qt::AlignCenter, QString::fromLatin1(d.digit));
  }
  return pixmap;
}

}  // namespace

Tfrm_about::Tfrm_about(const ActiveLanguage& language, QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromUtf8(kDialogName.data(), kDialogName.size()));

  auto* mark = new QLabel(this);
  mark->setPixmap(ProgramMark(64, devicePixelRatioF()));
  mark->setAlignment(Qt::AlignTop);

  lbl1 = new QLabel(this);
  lbl1->setObjectName(QStringLiteral("lbl1"));
  QFont nameFont = lbl1->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
  nameFont.setBold(true);
  lbl1->setFont(nameFont);

  lblversion = new QLabel(QString::fromLatin1(kProgramVersion.data(), kProgramVersion.size()),
                          this);
  lblversion->setObjectName(QStringLiteral("lblversion"));
  QFont versionFont = lblversion->font();
  versionFont.setPointSizeF(versionFont.pointSizeF() * 1.3);
  lblversion->setFont(versionFont);

  lbl2 = new QLabel(this);
  lbl2->setObjectName(QStringLiteral("lbl2"));
  lbl2->setWordWrap(true);
  lbl2->setMinimumWidth(240);

  Button1 = new QPushButton(this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(lbl1, 0, Qt::AlignBaseline);
  nameRow->addWidget(lblversion, 0, Qt::AlignBaseline);
  nameRow->addStretch();

  auto* textColumn = new QVBoxLayout;
  textColumn->addLayout(nameRow);
  textColumn->addWidget(lbl2);
  textColumn->addStretch();

  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  body->addWidget(mark);
  body->addLayout(textColumn, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);

  auto* layout = new QVBoxLayout(this);
  // The box takes the size its texts need in each language and cannot be resized.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(20, 18, 20, 14);
  layout->addLayout(body);
  layout->addSpacing(10);
  layout->addLayout(buttons);

  FollowLanguage(this, [this, &language] {
    ApplyDialogTexts(this, language.Table(), kTexts);
    UnifyFonts(this);
  });
}

}  // namespace vexlo::ui
