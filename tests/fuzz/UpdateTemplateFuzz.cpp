// Fuzz entry: an update archive's "Update.bat" template with the three paths
// it is formatted with. The input is P, T and F, each ended by a NUL byte,
// then the template (missing parts are empty). The installation may refuse a
// template, but only with its two kinds of error; a script it makes ends with
// its own two appended lines, which the shell reads back as the paths.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "components/update/UpdateInstallation.h"
#include "platform/Format.h"
#include "platform/posix/ShellScriptDialect.h"

namespace {

using namespace sorvane;

void Expect(bool condition) {
  if (!condition) std::abort();
}

// Reads one shell word in single quotes back, as the shell does.
std::string Unquote(const std::string& word) {
  std::string text;
  bool quoted = false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] == '\'') quoted = !quoted;
    else if (!quoted && word[i] == '\\' && i + 1 < word.size()) text += word[++i];
    else text += word[i];
  }
  Expect(!quoted);
  return text;
}

std::string Take(std::string& input) {
  const auto end = input.find('\0');
  std::string part = input.substr(0, end);
  input.erase(0, end == std::string::npos ? input.size() : end + 1);
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  ScriptPaths paths;
  paths.programFolder = Take(input);
  paths.tempFolder = Take(input);
  paths.programFile = Take(input);
  const bool restart = !paths.programFile.empty();

  // Format alone, with the template's first line as the format.
  const std::string format = input.substr(0, input.find_first_of("\r\n"));
  try {
    const std::string text = Format(format, {paths.programFolder, paths.tempFolder});
    Expect(text.size() <= format.size() * (kMaxFormatWidth + paths.programFolder.size() + paths.tempFolder.size()));
  } catch (const EConvertError&) {
  }

  std::string script;
  try {
    script = BuildUpdateScript(input, paths, restart, ShellScriptDialect());
  } catch (const EStringListError&) {
    return 0;
  } catch (const EConvertError&) {
    return 0;
  }
  Expect(!script.empty() && script.back() == '\n');
  const std::string removal = "rm -f " + ShellQuote(paths.tempFolder + kUpdateScriptName) + "\n";
  Expect(script.size() >= removal.size() && script.compare(script.size() - removal.size(), removal.size(), removal) == 0);
  Expect(Unquote(ShellQuote(paths.tempFolder + kUpdateScriptName)) == paths.tempFolder + kUpdateScriptName);
  if (restart) {
    const std::string start = "setsid -f " + ShellQuote(paths.programFile) + " </dev/null >/dev/null 2>&1\n" + removal;
    Expect(script.compare(script.size() - start.size(), start.size(), start) == 0);
    Expect(Unquote(ShellQuote(paths.programFile)) == paths.programFile);
  }
  return 0;
}
