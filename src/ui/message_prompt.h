#pragma once
// The game's questions and messages as message boxes over a window.

#include <QPointer>
#include <QWidget>

#include "game/prompt.h"

namespace vexlo::ui {

class MessageBoxPrompt : public Prompt {
 public:
  explicit MessageBoxPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  bool AskYesNo(const std::string& text) override;
  bool AskYesNoCaptioned(const std::string& text, const std::string& caption) override;
  void Tell(const std::string& text) override;
  std::string ChooseOpenFile(const std::string& folder) override;
  std::string ChooseSaveFile(const std::string& folder) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                     const std::string& initial) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace vexlo::ui
