#pragma once

#include "platform/ScriptDialect.h"

namespace sorvane {

// A script for /bin/sh. Every path goes in as one single-quoted word, so
// that "$", backticks and quotes in a folder's name run nothing; a template
// therefore writes "%s" without quotes and appends names directly
// ("%ssorvane" is the word '/opt/Prog/'sorvane). Lines end with LF alone,
// because the shell would take a CR as part of the command. The restart
// runs the program in a session of its own without waiting, as the script
// itself was started.
class ShellScriptDialect : public ScriptDialect {
 public:
  std::string Path(const std::string& path) const override;
  std::string RestartLine(const std::string& programFile) const override;
  std::string RemovalLine(const std::string& script) const override;
  const char* LineEnd() const override { return "\n"; }
  // Inside double quotes the single quotes around the path are plain
  // characters, and "$", backticks and "\\" in a folder's name work again.
  bool PathReadAgainAt(std::string_view line, std::size_t offset) const override;
};

// A path as one shell word that the shell takes literally: in single quotes,
// a single quote inside as '\''.
std::string ShellQuote(const std::string& path);

}  // namespace sorvane
