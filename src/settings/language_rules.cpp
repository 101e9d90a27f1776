#include "settings/language_rules.h"

namespace vexlo {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string CaptionKey(std::string_view name) { return std::string(name) + ".caption"; }

std::string HintKey(std::string_view name) { return std::string(name) + ".hint"; }

std::string PassKey(TextPass pass, std::string_view name) {
  return pass == TextPass::Hints ? HintKey(name) : CaptionKey(name);
}

std::optional<std::string> PassText(TextPass pass, const LanguageTable& table,
                                    std::string_view name) {
  std::string value = table.LangText(PassKey(pass, name));
  switch (pass) {
    case TextPass::MenuItems:
      if (value.empty()) return std::nullopt;
      return TrimBlanks(value);
    case TextPass::SpeedButtons:
      if (value.empty()) return std::nullopt;
      return value;
    case TextPass::GroupBoxes:
    case TextPass::ToolButtons:
    case TextPass::RadioButtons:
    case TextPass::CheckBoxes:
    case TextPass::Hints:
      return value;
  }
  return std::nullopt;
}

std::string TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool IsSeparatorCaption(std::string_view caption) { return caption == "-"; }

std::string DialogTitleKey(std::string_view dialog) { return CaptionKey(dialog); }

std::string DialogControlKey(std::string_view dialog, std::string_view control) {
  return std::string(dialog) + "." + CaptionKey(control);
}

std::string RadioItemKey(std::string_view dialog, std::string_view group, std::size_t index) {
  return std::string(dialog) + "." + std::string(group) + ".items[" + std::to_string(index) + "]";
}

}  // namespace vexlo
