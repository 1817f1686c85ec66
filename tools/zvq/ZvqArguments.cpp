#include "ZvqArguments.h"

#include <CLI/CLI.hpp>

#include <map>
#include <string>

#include "ExitStatus.h"
#include "common/GermanCli.h"

namespace sorvane::zvq {
namespace {

using tools::GermanLabels;

constexpr char kVersion[] = "zvq " SORVANE_VERSION;

void LoginOptions(CLI::App& command, ZvqOptions& options) {
  command.add_option("--user", options.user, "Als dieser Benutzer anmelden (sonst als Gast)")->type_name("NAME");
  command.add_option("--password-file", options.passwordFile,
                     "Das Passwort steht in der ersten Zeile dieser Datei (sonst wird im Terminal gefragt)")
      ->type_name("DATEI");
}

CLI::App* AddCommand(CLI::App& app, const char* name, const char* description) {
  CLI::App* command = app.add_subcommand(name, description);
  command->group("Befehle");
  command->option_defaults()->group("Optionen");
  command->set_help_flag("-h,--help", "Diese Hilfe zeigen");
  command->get_formatter()->label("Positionals", "Argumente");
  GermanLabels(*command);
  return command;
}

}  // namespace

std::variant<ZvqOptions, int> ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  ZvqOptions options;
  CLI::App app("Liest Sorvane-Container (.zvq): zeigt Titel und Inhalt und extrahiert die Dateien, die ein Konto "
               "sehen darf.",
               "zvq");
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
  app.set_version_flag("--version", kVersion, "Die Version zeigen");
  app.require_subcommand(1);
  GermanLabels(app);
  app.footer(
      "Exit-Status: 0 erledigt; 1 mindestens eine vorhandene Datei wurde nicht überschrieben; 2 falscher Aufruf oder "
      "Anmeldung abgelehnt; 3 der Container konnte nicht gelesen werden; 4 eine Datei konnte nicht geschrieben werden "
      "(auch: ungültiger Dateiname).");

  CLI::App* info = AddCommand(app, "info", "Titel, Autor und die Zahl der Dateien und Konten zeigen");
  info->add_option("CONTAINER", options.container, "Die Containerdatei")->required()->type_name("DATEI");

  CLI::App* list = AddCommand(app, "list", "Die Dateien zeigen, die das Konto sehen darf, mit ihrer Größe");
  list->add_option("CONTAINER", options.container, "Die Containerdatei")->required()->type_name("DATEI");
  LoginOptions(*list, options);

  CLI::App* extract = AddCommand(app, "extract",
                                       "Die Dateien, die das Konto sehen darf, in ein Verzeichnis schreiben (auf einem "
                                       "Terminal mit Fortschrittsanzeige)");
  extract->add_option("CONTAINER", options.container, "Die Containerdatei")->required()->type_name("DATEI");
  LoginOptions(*extract, options);
  extract->add_option("-d", options.directory, "In dieses Verzeichnis extrahieren (Vorgabe: das aktuelle)")
      ->type_name("VERZEICHNIS");
  extract->add_flag("--overwrite", options.overwrite,
                    "Vorhandene Dateien überschreiben (sonst bleiben sie); ein symbolischer Link wird dabei durch die "
                    "Datei ersetzt");
  extract->add_option("MEMBER", options.members, "Nur diese Dateien (Vorgabe: alle sichtbaren)")->type_name("DATEI");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);
    err << tools::UsageMessage("zvq", e);
    return kUsageOrLogin;
  }
  if (info->parsed()) options.command = Command::Info;
  else if (list->parsed()) options.command = Command::List;
  else options.command = Command::Extract;
  return options;
}

}  // namespace sorvane::zvq
