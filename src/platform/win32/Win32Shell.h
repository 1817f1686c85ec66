#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace sorvane {

// The Windows shell: ShellExecuteA with the verb "open" and
// SHFileOperationA. Paths (UTF-8, as the program keeps them) are handed to
// the shell in the ANSI code page with "\" between folders; a web address (a
// scheme of two letters or more before its ":") keeps its "/".
class Win32Shell : public Shell {
 public:
  void Open(const std::string& path, const std::string& parameters, const std::string& workingFolder,
            int showCommand) override;

  // The flags are FOF_NOCONFIRMATION without confirm and nothing else, so
  // deleted files do not go to the recycle bin. True only when the
  // operation succeeded and nothing of it was aborted.
  bool FileOperation(int operation, const std::vector<std::string>& files, const std::string& destination,
                     bool confirm) override;
};

}  // namespace sorvane
