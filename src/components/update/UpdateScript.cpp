#include <string>
#include <vector>

#include "components/update/UpdateInstallation.h"
#include "platform/Format.h"

namespace sorvane {
namespace {

// A line of the list that is not there, as the string list reports it.
[[noreturn]] void MissingLine(std::size_t index) {
  std::string text = texts::kListIndexError;
  text.replace(text.find("%d"), 2, std::to_string(index));
  throw EStringListError(text);
}

const std::string& LineAt(const std::vector<std::string>& lines, std::size_t index) {
  if (index >= lines.size()) MissingLine(index);
  return lines[index];
}

bool BeginsWithBlank(const std::string& line) { return !line.empty() && line.front() == ' '; }

}  // namespace

std::vector<std::string> SplitTemplateLines(const std::string& text) {
  std::vector<std::string> lines;
  const std::size_t end = std::min(text.find('\0'), text.size());
  std::size_t at = 0;
  while (at < end) {
    const std::size_t stop = std::min(text.find_first_of("\r\n", at), end);
    lines.push_back(text.substr(at, stop - at));
    at = stop;
    if (at < end && text[at] == '\r') ++at;
    if (at < end && text[at] == '\n' && (at == stop || text[at - 1] == '\r')) ++at;
  }
  return lines;
}

std::string BuildUpdateScript(const std::string& templateText, const ScriptPaths& paths, bool restart,
                              const ScriptDialect& dialect) {
  const std::string programFolder = dialect.Path(paths.programFolder);
  const std::string tempFolder = dialect.Path(paths.tempFolder);
  std::vector<std::string> lines = SplitTemplateLines(templateText);
  const std::size_t count = lines.size();
  // Groups of four; G is 1 even for an empty template, whose line 0 is then
  // missing.
  const std::size_t groups = count == 0 ? 1 : (count - 1) / 4 + 1;
  std::size_t tail = count;  // no tail unless a group position begins with a blank
  for (std::size_t k = 0; k < groups; ++k) {
    const std::size_t first = 4 * k;
    if (BeginsWithBlank(LineAt(lines, first))) {
      tail = first;
      break;
    }
    lines[first + 1] = Format(LineAt(lines, first + 1), {programFolder});
    lines[first + 2] = Format(LineAt(lines, first + 2), {programFolder});
    lines[first + 3] = Format(LineAt(lines, first + 3), {tempFolder, programFolder});
  }
  for (std::size_t i = tail; i < count; ++i) lines[i] = Format(lines[i], {tempFolder});

  if (restart) lines.push_back(dialect.RestartLine(paths.programFile));
  lines.push_back(dialect.RemovalLine(paths.tempFolder + kUpdateScriptName));

  std::string script;
  for (const auto& line : lines) script += line + dialect.LineEnd();
  return script;
}

}  // namespace sorvane
