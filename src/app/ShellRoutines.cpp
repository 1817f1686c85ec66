#include "app/ShellRoutines.h"

namespace sorvane {

bool BrowseForFolder(Dialogs& dialogs, FileSystem& files, const std::string& prompt, const std::string& root,
                     std::string& folder, bool EditBox, bool IncludeFiles) {
  if (!folder.empty() && !files.DirectoryExists(folder)) folder.clear();
  const std::optional<std::string> chosen = dialogs.BrowseFolder(prompt, root, folder, EditBox, IncludeFiles);
  // A choice without a file-system path cannot take files; it counts as no
  // choice, or the members would land in the root folder.
  if (!chosen || chosen->empty()) return false;
  folder = *chosen;
  return true;
}

std::string GetTempFolder(SystemFolders& folders) { return folders.TempPath(); }

bool ShellFileOperation(Shell& shell, int operation, const std::vector<std::string>& files,
                        const std::string& destination, bool Confirm) {
  return shell.FileOperation(operation, files, operation == Shell::FO_DELETE ? std::string() : destination, Confirm);
}

}  // namespace sorvane
