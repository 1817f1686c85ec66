#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sorvane {

// How an update's installation script is written for the command
// interpreter that runs it: how the folders enter the template's lines and
// what the lines that the program appends look like.
class ScriptDialect {
 public:
  virtual ~ScriptDialect() = default;

  // A folder or file path as a template line receives it for "%s".
  virtual std::string Path(const std::string& path) const = 0;

  // The line that starts the program again without waiting for it, so that
  // the script goes on and ends at once.
  virtual std::string RestartLine(const std::string& programFile) const = 0;

  // The last line: the script removes itself.
  virtual std::string RemovalLine(const std::string& script) const = 0;

  // What ends every line of the saved script.
  virtual const char* LineEnd() const = 0;

  // Whether a path put into line at offset would be read again by the
  // interpreter, its characters taking effect despite Path's quoting. Only
  // a checking tool asks: the installation formats a template as it stands.
  virtual bool PathReadAgainAt(std::string_view /*line*/, std::size_t /*offset*/) const { return false; }
};

}  // namespace sorvane
