// The sorvane program: the wizard that opens .zvq containers.
#include <cstring>
#include <string>

#include "gui/SorvaneApp.h"
#include "gui/ToolkitStart.h"
#include "platform/Console.h"
#include "platform/LibrarySearch.h"

namespace {

// The build says who updates the program (SORVANE_SELF_UPDATE): the program
// itself, or the package management that installed it.
class BuiltApp : public sorvane::SorvaneApp {
 protected:
  sorvane::ProgramUpdates Updates() override {
    return SORVANE_SELF_UPDATE ? sorvane::ProgramUpdates::SelfUpdate : sorvane::ProgramUpdates::PackageManagement;
  }
};

constexpr char kHelp[] =
    "Öffnet Sorvane-Container (.zvq): Anmeldung als Gast oder mit den Benutzerdaten vom Ersteller der Datei,\n"
    "dann die freigegebenen Dateien extrahieren, öffnen oder als Bild ansehen.\n"
    "Aufruf: sorvane [DATEI.zvq | /uninstall]\n"
    "\n"
    "  DATEI.zvq     diese Datei wie mit \"Öffnen\" laden und die Anmeldung zeigen\n"
    "  /uninstall    das Programm aus der Liste der installierten Programme nehmen und seine\n"
    "                Einstellungen löschen (fragt vorher)\n"
    "  -h, --help    diese Hilfe zeigen\n"
    "  --version     die Version zeigen\n"
    "\n"
    "Ohne Argument zeigt das Programm die ZVQ-Dateien seines Ordners zur Auswahl.\n";

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BuiltApp);

int main(int argc, char** argv) {
  sorvane::LimitLibrarySearch();
  // Answered before the toolkit starts, so that they need no display.
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    sorvane::WriteProgramOutput(kHelp);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    sorvane::WriteProgramOutput(std::string("sorvane ") + SORVANE_VERSION + "\n");
    return 0;
  }
  sorvane::PrepareToolkit();
  return sorvane::StartToolkit(argc, argv);
}
