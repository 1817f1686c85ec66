#include <memory>

#include "OrvelUpdate.h"
#include "components/update/UpdateInstallation.h"
#include "platform/FilePath.h"
#include "platform/NativeServices.h"

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

int RunTemplate(const TemplateOptions& options, Services& services) {
  std::string programFolder = ExtractFilePath(options.program);
  programFolder = WithOneSlash(programFolder.empty() ? "." : programFolder);
  const ScriptPaths paths{programFolder, WithOneSlash(options.temp), options.program};
  try {
    auto in = NewFileSystem()->OpenRead(options.templatePath);
    std::string text;
    char block[16384];
    for (std::size_t got; (got = in->Read(block, sizeof block)) > 0;) text.append(block, got);
    const std::string script = BuildUpdateScript(text, paths, !options.noRestart, *NewScriptDialect());
    services.bytesOut.write(script.data(), static_cast<std::streamsize>(script.size()));
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
      "temporären Ordner machen würde");
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
