#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "OrvelUpdate.h"
#include "components/update/UpdateInstallation.h"
#include "platform/FilePath.h"
#include "platform/NativeServices.h"
#include "platform/ScriptDialect.h"

namespace sorvane::orvelupdate {
namespace {

struct TemplateOptions {
  std::string templatePath;
  std::string program;
  std::string temp;
  bool noRestart = false;
};

// A folder with exactly one trailing slash ("/" stays "/").
std::string WithOneSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder != "/") folder += '/';
  return folder;
}

// The lines whose specifiers receive a folder: the second to fourth of each
// group of four, and every line of the tail (from a group's first line that
// begins with a blank). Only asked of a template the installation accepts.
std::vector<std::size_t> LinesTakingFolders(const std::vector<std::string>& lines) {
  std::vector<std::size_t> taking;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i % 4 == 0 && !lines[i].empty() && lines[i].front() == ' ') {
      for (; i < lines.size(); ++i) taking.push_back(i);
    } else if (i % 4 != 0) {
      taking.push_back(i);
    }
  }
  return taking;
}

// A folder that the interpreter would read again runs what its name holds
// ("$(...)", backticks) on the user's machine, though the installation
// quoted it: worth a warning, yet the script is what the program would save.
void WarnOfFoldersReadAgain(const std::string& text, const ScriptDialect& dialect, Services& services) {
  const std::vector<std::string> lines = SplitTemplateLines(text);
  for (const std::size_t index : LinesTakingFolders(lines)) {
    const std::string& line = lines[index];
    for (std::size_t at = line.find('%'); at != std::string::npos; at = line.find('%', at)) {
      std::size_t end = at + 1;
      if (end < line.size() && line[end] == '%') {  // one percent sign, no specifier
        at = end + 1;
        continue;
      }
      while (end < line.size() && std::string_view("0123456789:-.").find(line[end]) != std::string_view::npos) ++end;
      if (end < line.size()) ++end;  // the type letter
      if (dialect.PathReadAgainAt(line, at)) {
        Report(services, "Warnung: Zeile " + std::to_string(index + 1) + " setzt " + line.substr(at, end - at) +
                             " in doppelte Anführungszeichen, in denen die Shell den Ordner noch einmal "
                             "auswertet; den Platzhalter ohne Anführungszeichen schreiben");
      }
      at = end;
    }
  }
}

int RunTemplate(const TemplateOptions& options, Services& services) {
  std::string programFolder = ExtractFilePath(options.program);
  programFolder = WithOneSlash(programFolder.empty() ? "." : programFolder);
  const ScriptPaths paths{programFolder, WithOneSlash(options.temp), options.program};
  try {
    auto in = NewFileSystem()->OpenRead(options.templatePath);
    std::string text;
    char block[16384];
    for (std::size_t got; (got = in->Read(block, sizeof block)) > 0;) text.append(block, got);
    const auto dialect = NewScriptDialect();
    const std::string script = BuildUpdateScript(text, paths, !options.noRestart, *dialect);
    services.bytesOut.write(script.data(), static_cast<std::streamsize>(script.size()));
    WarnOfFoldersReadAgain(text, *dialect, services);
    return kDone;
  } catch (const Exception& e) {
    Report(services, e.what());
    return kRefused;
  }
}

}  // namespace

void AddTemplateCommand(CLI::App& app, Services& services, int& status) {
  auto options = std::make_shared<TemplateOptions>();
  CLI::App* command = AddCommand(
      app, "template",
      "Das \"Update.bat\" ausgeben, das die Installation aus dieser Vorlage für diese Programmdatei und diesen "
      "temporären Ordner machen würde. Unter Linux folgt auf der Standardfehlerausgabe eine Warnung für jeden "
      "Platzhalter in doppelten Anführungszeichen, in denen die Shell den Ordner noch einmal auswerten würde "
      "(der Exit-Status bleibt 0)");
  command->add_option("TEMPLATE", options->templatePath, "Die Vorlage (das \"Update.bat\" des Archivs)")
      ->required()
      ->type_name("DATEI");
  command->add_option("--program", options->program, "Pfad der Programmdatei (F; ihr Ordner ist P)")
      ->required()
      ->type_name("PFAD");
  command->add_option("--temp", options->temp, "Der temporäre Ordner (T)")->required()->type_name("ORDNER");
  command->add_flag("--no-restart", options->noRestart, "Ohne die Zeile, die das Programm neu startet");
  command->callback([options, &services, &status] { status = RunTemplate(*options, services); });
}

}  // namespace sorvane::orvelupdate
