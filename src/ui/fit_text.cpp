#include "ui/fit_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>

namespace vexlo::ui {

namespace {

constexpr double kSmallestPointSize = 7.0;

// Room for the caption: the width less the indicator and its gap, or the button's margins.
int CaptionRoom(const QAbstractButton* button) {
  const QStyle* style = button->style();
  if (qobject_cast<const QRadioButton*>(button) != nullptr) {
    return button->width() -
           style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) -
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) - 2;
  }
  if (qobject_cast<const QCheckBox*>(button) != nullptr) {
    return button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) -
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button) - 2;
  }
  return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
}

}  // namespace

void FitCaption(QAbstractButton* button) {
  QFont font = button->parentWidget() != nullptr ? button->parentWidget()->font() : button->font();
  const QString text = button->text().remove(QLatin1Char('&'));
  const int room = CaptionRoom(button);
  while (QFontMetrics(font).horizontalAdvance(text) > room &&
         font.pointSizeF() - 0.5 >= kSmallestPointSize) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  button->setFont(font);
}

}  // namespace vexlo::ui
