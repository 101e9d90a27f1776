#include "ui/message_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace vexlo::ui {

namespace {

// A question asked from inside a modal dialog belongs over that dialog, not behind it.
QWidget* OwnerOf(QWidget* parent) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : parent;
}

}  // namespace

bool MessageBoxPrompt::AskYesNo(const std::string& text) {
  return AskYesNoCaptioned(text, QApplication::applicationDisplayName().toStdString());
}

bool MessageBoxPrompt::AskYesNoCaptioned(const std::string& text, const std::string& caption) {
  return QMessageBox::question(OwnerOf(parent_), QString::fromStdString(caption),
                               QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxPrompt::Tell(const std::string& text) {
  QMessageBox::information(OwnerOf(parent_), QApplication::applicationDisplayName(),
                           QString::fromStdString(text));
}

}  // namespace vexlo::ui
