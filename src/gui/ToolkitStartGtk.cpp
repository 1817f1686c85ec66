#include "gui/ToolkitStart.h"

#include <wx/app.h>

#include <cstdlib>

namespace sorvane {

// Without a session bus (a bare X server, a remote display) GTK's settings
// store cannot be reached and its file choosers fill stderr with warnings;
// settings kept in memory do no harm there.
void PrepareToolkit() {
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) setenv("GSETTINGS_BACKEND", "memory", 0);
}

int StartToolkit(int& argc, char** argv) { return wxEntry(argc, argv); }

}  // namespace sorvane
