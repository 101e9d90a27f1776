#pragma once
// The application's style with one change: a menu separator is drawn as a plain line even
// when it carries a caption. Our menus keep "-" as the separators' caption (the language
// tables switch items between text and line by it), and the stock style would print it.

#include <QProxyStyle>

namespace vexlo::ui {

class PlainSeparatorStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;
};

}  // namespace vexlo::ui
