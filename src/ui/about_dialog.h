#pragma once
// The About box: the program's name and version, a line on what it is, and "Close". Its texts
// come from the active language table and follow every change of language.

#include <QDialog>
#include <string_view>

#include "settings/language_active.h"

class QLabel;
class QPushButton;

namespace vexlo::ui {

inline constexpr std::string_view kProgramVersion = "5.0";

class Tfrm_about : public QDialog {
  Q_OBJECT

 public:
  // `language` is the program's active table; it must outlive the box.
  explicit Tfrm_about(const ActiveLanguage& language, QWidget* parent = nullptr);

 private:
  QLabel* lbl1 = nullptr;        // program name
  QLabel* lblversion = nullptr;  // version number, the same in every language
  QLabel* lbl2 = nullptr;        // what the program is
  QPushButton* Button1 = nullptr;
};

using AboutDialog = Tfrm_about;

}  // namespace vexlo::ui
