#pragma once

#include <string>
#include <vector>

namespace sorvane {

// The desktop shell's services.
class Shell {
 public:
  // File operation codes of the shell.
  static constexpr int FO_MOVE = 1;
  static constexpr int FO_COPY = 2;
  static constexpr int FO_DELETE = 3;
  static constexpr int FO_RENAME = 4;

  virtual ~Shell() = default;

  // Opens path with the program the desktop associates with it, as the verb
  // "open" does, without waiting for it. Whether that worked is not reported.
  virtual void Open(const std::string& path, const std::string& parameters, const std::string& workingFolder,
                    int showCommand) = 0;

  // Runs a file operation on files (destination unused for FO_DELETE).
  // Without confirm no question is asked; deleted files do not go to a
  // recycle bin. True when no operation was aborted.
  virtual bool FileOperation(int operation, const std::vector<std::string>& files, const std::string& destination,
                             bool confirm) = 0;
};

}  // namespace sorvane
