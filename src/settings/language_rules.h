#pragma once
// How a language table re-texts a window, as plain functions of the table and the control
// names; the Qt side (ui/language_apply.h) only finds the controls and sets what these return.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "settings/language_table.h"

namespace vexlo {

// The passes over the main window's controls, in the order they run; each looks at the
// controls of one kind.
enum class TextPass {
  MenuItems,     // caption, trimmed; an empty value keeps the caption (separators keep "-")
  GroupBoxes,    // caption, also when empty
  ToolButtons,   // caption, also when empty (the tool bars show images)
  RadioButtons,  // caption, also when empty
  CheckBoxes,    // caption, also when empty
  SpeedButtons,  // caption untrimmed; an empty value keeps the caption
  Hints,         // hint of every control, also when empty
};

inline constexpr std::array<TextPass, 7> kTextPasses = {
    TextPass::MenuItems,  TextPass::GroupBoxes,   TextPass::ToolButtons, TextPass::RadioButtons,
    TextPass::CheckBoxes, TextPass::SpeedButtons, TextPass::Hints};

std::string CaptionKey(std::string_view name);  // name + ".caption"
std::string HintKey(std::string_view name);     // name + ".hint"

// The key a pass reads for the control `name`.
std::string PassKey(TextPass pass, std::string_view name);

// The text the control `name` takes in `pass` (its caption, or its hint in the last pass);
// nullopt when it keeps the text it has.
std::optional<std::string> PassText(TextPass pass, const LanguageTable& table,
                                    std::string_view name);

// Leading and trailing blanks and control characters removed, as for menu captions.
std::string TrimBlanks(std::string_view text);

// A menu item whose caption is "-" is drawn as a separator line.
bool IsSeparatorCaption(std::string_view caption);

// After the passes: the web-link items of the Help menu that become visible, and the link
// label under the board with the text it shows.
inline constexpr std::array<std::string_view, 4> kRevealedLinkItems = {"mnc1", "mnc2", "mnc3",
                                                                       "mnc4"};
inline constexpr std::string_view kLinkLabelName = "lbl1";
inline constexpr std::string_view kLinkLabelText = "Vexlo";

// Keys of a dialog's texts; `dialog` is the window name without its leading "T".
// DialogTitleKey("frmsave") is "frmsave.caption", DialogControlKey("frmsave", "Button1") is
// "frmsave.Button1.caption", RadioItemKey("frmsave", "RadioGroup1", 5) is
// "frmsave.RadioGroup1.items[5]".
std::string DialogTitleKey(std::string_view dialog);
std::string DialogControlKey(std::string_view dialog, std::string_view control);
std::string RadioItemKey(std::string_view dialog, std::string_view group, std::size_t index);

}  // namespace vexlo
