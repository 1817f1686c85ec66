// The sorvane program: the wizard that opens .zvq containers.
#include <cstdlib>

#include "gui/SorvaneApp.h"

wxIMPLEMENT_APP_NO_MAIN(sorvane::SorvaneApp);

int main(int argc, char** argv) {
  // Without a session bus (a bare X server, a remote display) GTK's settings
  // store cannot be reached and its file choosers fill stderr with warnings;
  // settings kept in memory do no harm there.
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) setenv("GSETTINGS_BACKEND", "memory", 0);
  return wxEntry(argc, argv);
}
