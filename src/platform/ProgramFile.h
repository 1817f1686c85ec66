#pragma once

#include <string>

namespace sorvane {

// Where the running program lives.
class ProgramFile {
 public:
  virtual ~ProgramFile() = default;

  // Full path of the running program's file.
  virtual std::string ProgramPath() = 0;

  // ProgramPath as the system's own programs read it from the registry (the
  // uninstall list runs and shows it, the update settings hold it as the
  // command line): with "\" between folders on Windows.
  virtual std::string NativeProgramPath() { return ProgramPath(); }

  // The folder of ProgramPath, ending with "/".
  std::string ProgramFolder() {
    const std::string path = ProgramPath();
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  }
};

}  // namespace sorvane
