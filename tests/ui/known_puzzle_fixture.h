#pragma once
// A puzzle with exactly one solution, and an active language table that starts in English.

#include <string_view>

#include "settings/language_active.h"

namespace vexlo::testing {

inline constexpr std::string_view kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline constexpr std::string_view kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

struct EnglishLanguage : ActiveLanguage {
  EnglishLanguage() { SelectLanguage(Language::English); }
};

}  // namespace vexlo::testing
