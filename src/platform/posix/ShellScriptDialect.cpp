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

bool ShellScriptDialect::PathReadAgainAt(std::string_view line, std::size_t offset) const {
  enum class Quote { None, Single, Double } quote = Quote::None;
  for (std::size_t i = 0; i < offset && i < line.size(); ++i) {
    const char c = line[i];
    if (quote == Quote::Single) {
      if (c == '\'') quote = Quote::None;
    } else if (c == '\\') {
      ++i;  // the next character is taken literally, a quote included
    } else if (c == '"') {
      quote = quote == Quote::Double ? Quote::None : Quote::Double;
    } else if (quote == Quote::None) {
      if (c == '\'') quote = Quote::Single;
      // A comment runs nothing, whatever it holds.
      if (c == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return false;
    }
  }
  return quote == Quote::Double;
}

std::string ShellScriptDialect::RemovalLine(const std::string& script) const { return "rm -f " + ShellQuote(script); }

}  // namespace sorvane
