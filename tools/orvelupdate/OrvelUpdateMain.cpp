#include <map>

#include "OrvelUpdate.h"
#include "common/GermanCli.h"

namespace sorvane::orvelupdate {
namespace {

using tools::GermanLabels;

constexpr char kVersion[] = "orvelupdate " SORVANE_VERSION;

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
    services.err << tools::UsageMessage("orvelupdate", e);
    return kUsage;
  }
  return status;
}

}  // namespace sorvane::orvelupdate
