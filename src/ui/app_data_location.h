#pragma once
// Where the platform keeps per-user application data: the roaming application-data folder
// on Windows, the XDG data home elsewhere. The game appends its own "vexlo" folder.

#include <string>

namespace vexlo::ui {

// UTF-8 path of the folder, without a trailing separator.
std::string AppDataRoot();

}  // namespace vexlo::ui
