#pragma once

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"

namespace sorvane {

// Thin routines over the shell services, shaped as the wizard calls them.

// Runs the folder browser with prompt as its title, starting at root (empty:
// everything) with folder preselected when it names an existing folder (it
// is emptied otherwise). True when the user chose a folder, which is then in
// folder; false leaves folder as step one left it.
bool BrowseForFolder(Dialogs& dialogs, FileSystem& files, const std::string& prompt, const std::string& root,
                     std::string& folder, bool EditBox, bool IncludeFiles);

// The user's temporary folder, ending with "/".
std::string GetTempFolder(SystemFolders& folders);

// Runs a shell file operation (Shell::FO_DELETE and its kin) on files,
// without a question when Confirm is false. True when nothing was aborted.
bool ShellFileOperation(Shell& shell, int operation, const std::vector<std::string>& files,
                        const std::string& destination, bool Confirm);

}  // namespace sorvane
