#include "ui/message_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace vexlo::ui {

bool MessageBoxPrompt::AskYesNo(const std::string& text) {
  return AskYesNoCaptioned(text, QApplication::applicationDisplayName().toStdString());
}

bool MessageBoxPrompt::AskYesNoCaptioned(const std::string& text, const std::string& caption) {
  return QMessageBox::question(parent_, QString::fromStdString(caption),
                               QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxPrompt::Tell(const std::string& text) {
  QMessageBox::information(parent_, QApplication::applicationDisplayName(),
                           QString::fromStdString(text));
}

}  // namespace vexlo::ui
