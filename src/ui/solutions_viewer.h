#pragma once
// The multiple-solutions viewer: two different solutions of a puzzle as nine lines of digits
// each, for a puzzle typed in that has more than one.

#include <QDialog>
#include <string>
#include <vector>

#include "settings/language_active.h"

class QPlainTextEdit;
class QPushButton;

namespace vexlo::ui {

class TFrmdas : public QDialog {
  Q_OBJECT

 public:
  // `language` is the program's active table; it must outlive the window.
  explicit TFrmdas(const ActiveLanguage& language, QWidget* parent = nullptr);

  void SetLines(const std::vector<std::string>& lines);

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace vexlo::ui
