#pragma once

#include "platform/ScriptDialect.h"

namespace sorvane {

// A Windows batch file: the paths go in as they stand (the template quotes
// them as the command interpreter needs), lines end with CR LF, the
// restart is a "start" of its own, and "del" removes the script.
class BatchScriptDialect : public ScriptDialect {
 public:
  std::string Path(const std::string& path) const override { return path; }
  std::string RestartLine(const std::string& programFile) const override {
    return "start \"\" \"" + programFile + "\"";
  }
  std::string RemovalLine(const std::string& script) const override { return "del " + script; }
  const char* LineEnd() const override { return "\r\n"; }
};

}  // namespace sorvane
