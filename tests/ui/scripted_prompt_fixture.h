#pragma once
// A prompt for window tests: questions are answered from a script (No once it is empty), and
// every question, caption and message is recorded.

#include <QStringList>
#include <deque>
#include <string>

#include "game/prompt.h"

namespace vexlo::testing {

class ScriptedQtPrompt : public Prompt {
 public:
  std::deque<bool> answers;
  QStringList questions;
  QStringList captions;  // of the questions asked under a caption of their own
  QStringList told;

  bool AskYesNo(const std::string& text) override {
    questions << QString::fromStdString(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool AskYesNoCaptioned(const std::string& text, const std::string& caption) override {
    captions << QString::fromStdString(caption);
    return AskYesNo(text);
  }
  void Tell(const std::string& text) override { told << QString::fromStdString(text); }
};

}  // namespace vexlo::testing
