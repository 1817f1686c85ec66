#include <map>

#include "OrvelUpdate.h"

namespace sorvane::orvelupdate {
namespace {

constexpr char kVersion[] = "orvelupdate " SORVANE_VERSION;

// The parser's own words in its help texts, in German like the rest.
void GermanLabels(CLI::App& app) {
  const std::map<std::string, std::string> labels = {
      {"Usage", "Aufruf"},       {"OPTIONS", "OPTIONEN"},   {"SUBCOMMAND", "BEFEHL"},
      {"SUBCOMMANDS", "BEFEHLE"}, {"Positionals", "Argumente"}, {"REQUIRED", "(nötig)"},
      {"Needs", "Braucht"},      {"Excludes", "Schließt aus"}, {"TEXT", "TEXT"},
  };
  for (const auto& [key, value] : labels) app.get_formatter()->label(key, value);
}

std::string UsageMessage(const CLI::ParseError& e) {
  const std::string kind = e.get_name();
  std::string summary = "Ungültiger Aufruf";
  if (kind == "RequiredError") summary = "Eine nötige Angabe fehlt";
  else if (kind == "ExtrasError") summary = "Unerwartete Angaben";
  else if (kind == "ArgumentMismatch") summary = "Falsche Zahl von Werten";
  return "orvelupdate: " + summary + " (" + e.what() + ").\nMehr dazu zeigt \"orvelupdate --help\".\n";
}

}  // namespace

void Report(Services& services, const std::string& text) {
  services.err << "orvelupdate: " << text;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') services.err << '.';
  services.err << '\n';
}

CLI::App* AddCommand(CLI::App& app, const char* name, const char* description) {
  CLI::App* command = app.add_subcommand(name, description);
  command->group("Befehle");
  command->option_defaults()->group("Optionen");
  command->set_help_flag("-h,--help", "Diese Hilfe zeigen");
  GermanLabels(*command);
  return command;
}

int RunOrvelUpdate(int argc, const char* const* argv, Services& services) {
  CLI::App app("Prüft, was ein Update für Sorvane mitbringt, bevor es veröffentlicht wird.", "orvelupdate");
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
  app.set_version_flag("--version", kVersion, "Die Version zeigen");
  app.require_subcommand(1);
  GermanLabels(app);
  app.footer("Exit-Status: 0 erledigt; 1 das Programm würde die Eingabe ablehnen (die Meldung steht auf der "
             "Standardfehlerausgabe); 2 falscher Aufruf.");

  int status = kDone;
  AddTemplateCommand(app, services, status);
  AddListCommand(app, services, status);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, services.out, services.err);
    services.err << UsageMessage(e);
    return kUsage;
  }
  return status;
}

}  // namespace sorvane::orvelupdate
