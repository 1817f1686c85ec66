#pragma once

#include <string>

#include "platform/ScriptRunner.h"

namespace sorvane {

// Runs an update's "Update.bat" on Windows: the system's cmd.exe with
// "/c", hidden (no console window, and a console of its own for the
// programs the script calls, so that none of them opens a window either),
// inheriting no handle of the program, in a process group of its own. The
// program can end at once; the script then replaces its files.
class Win32ScriptRunner : public ScriptRunner {
 public:
  void RunDetached(const std::string& script) override;
};

}  // namespace sorvane
