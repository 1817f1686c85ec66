#pragma once

#include "platform/BackslashPath.h"
#include "platform/ScriptDialect.h"

namespace sorvane {

// A Windows batch file: the paths go in with "\" between folders (the
// command interpreter takes "/" for an option) and otherwise as they stand
// (the template quotes them as the interpreter needs), lines end with CR LF,
// the restart is a "start" of its own, and "del" removes the script, named
// in quotes so that a temporary folder with blanks in its name (as a user
// name may give it) is one argument rather than several files to delete.
class BatchScriptDialect : public ScriptDialect {
 public:
  std::string Path(const std::string& path) const override { return BackslashPath(path); }
  std::string RestartLine(const std::string& programFile) const override {
    return "start \"\" \"" + BackslashPath(programFile) + "\"";
  }
  std::string RemovalLine(const std::string& script) const override { return "del \"" + BackslashPath(script) + "\""; }
  const char* LineEnd() const override { return "\r\n"; }
};

}  // namespace sorvane
