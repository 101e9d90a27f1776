#pragma once
// The questions and messages the game puts to the player. The front end answers them with
// message boxes; tests answer them from a script.

#include <optional>
#include <string>

namespace vexlo {

class Prompt {
 public:
  virtual ~Prompt() = default;

  // A question with the buttons Yes and No; true for Yes. Escape or closing counts as No.
  virtual bool AskYesNo(const std::string& text) = 0;

  // The same question under a caption of its own instead of the program's name.
  virtual bool AskYesNoCaptioned(const std::string& text, const std::string& caption) {
    static_cast<void>(caption);
    return AskYesNo(text);
  }

  // A plain message with one text.
  virtual void Tell(const std::string& text) = 0;

  // A file chosen in an open or a save dialog that starts in `folder`; empty when the player
  // cancels. The save dialog asks no overwrite question of its own: the game asks that.
  // Without a front end nothing is chosen.
  virtual std::string ChooseOpenFile(const std::string& folder) { return Cancelled(folder); }
  virtual std::string ChooseSaveFile(const std::string& folder) { return Cancelled(folder); }

  // A line typed into an input box with a title, a prompt and an initial text; nothing when
  // the player cancels.
  virtual std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                             const std::string& initial) {
    (void)title, (void)label, (void)initial;
    return std::nullopt;
  }

 private:
  static std::string Cancelled(const std::string&) { return {}; }
};

}  // namespace vexlo
