#pragma once
// The per-user data folder: saved games, the last game and the "replay" folder live there,
// and it is the process's current directory, so relative file names resolve in it.

#include <string>

namespace vexlo {

// appDataRoot + "/vexlo/", with the trailing separator that callers append file names to.
std::string DataFolderIn(const std::string& appDataRoot);

// Creates the folder and its "replay" folder when missing. A failure is not reported here:
// entering the folder reports it.
void CreateDataFolders(const std::string& dataFolder);

// Makes the folder the current directory; false with a message for the player on failure.
bool EnterDataFolder(const std::string& dataFolder, std::string& error);

}  // namespace vexlo
