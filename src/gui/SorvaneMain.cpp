// The sorvane program: the wizard that opens .zvq containers.
#include <cstdlib>

#include "gui/SorvaneApp.h"

namespace {

// The build says who updates the program (SORVANE_SELF_UPDATE): the program
// itself, or the package management that installed it.
class BuiltApp : public sorvane::SorvaneApp {
 protected:
  sorvane::ProgramUpdates Updates() override {
    return SORVANE_SELF_UPDATE ? sorvane::ProgramUpdates::SelfUpdate : sorvane::ProgramUpdates::PackageManagement;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BuiltApp);

int main(int argc, char** argv) {
  // Without a session bus (a bare X server, a remote display) GTK's settings
  // store cannot be reached and its file choosers fill stderr with warnings;
  // settings kept in memory do no harm there.
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) setenv("GSETTINGS_BACKEND", "memory", 0);
  return wxEntry(argc, argv);
}
