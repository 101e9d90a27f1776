// The file dialogs and the input box of the game's prompt.
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>

#include "ui/message_prompt.h"

namespace vexlo::ui {

namespace {

// No filter and no default extension: the file gets exactly the name the player chose.
std::string Chosen(const QString& file) { return QDir::toNativeSeparators(file).toStdString(); }

}  // namespace

std::string MessageBoxPrompt::ChooseOpenFile(const std::string& folder) {
  return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString::fromStdString(folder)));
}

std::string MessageBoxPrompt::ChooseSaveFile(const std::string& folder) {
  // The game asks its own overwrite question.
  return Chosen(QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdString(folder),
                                             QString(), nullptr,
                                             QFileDialog::DontConfirmOverwrite));
}

std::optional<std::string> MessageBoxPrompt::AskText(const std::string& title,
                                                     const std::string& label,
                                                     const std::string& initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, QString::fromStdString(title), QString::fromStdString(label),
                            QLineEdit::Normal, QString::fromStdString(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

}  // namespace vexlo::ui
