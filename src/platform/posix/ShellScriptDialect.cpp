#include "platform/posix/ShellScriptDialect.h"

namespace sorvane {

std::string ShellQuote(const std::string& path) {
  std::string word = "'";
  for (const char c : path) {
    if (c == '\'') word += "'\\''";
    else word += c;
  }
  return word + "'";
}

std::string ShellScriptDialect::Path(const std::string& path) const { return ShellQuote(path); }

std::string ShellScriptDialect::RestartLine(const std::string& programFile) const {
  // setsid -f forks even when it could stay in the foreground, so the line
  // returns at once; the program keeps no stream of the script's.
  return "setsid -f " + ShellQuote(programFile) + " </dev/null >/dev/null 2>&1";
}

std::string ShellScriptDialect::RemovalLine(const std::string& script) const { return "rm -f " + ShellQuote(script); }

}  // namespace sorvane
