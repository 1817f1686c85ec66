#pragma once

#include <gtk/gtk.h>
#include <wx/gdicmn.h>

#include <string>

namespace sorvane::smoke {

// The shown GTK file chooser (the folder browser, the open dialog), which
// wx does not list among its windows; null when there is none.
GtkWidget* ShownFolderChooser();
// The folder the chooser shows.
std::string ChooserFolder(GtkWidget* dialog);
// Where on the screen the middle of a GTK widget is.
wxPoint WidgetCentre(GtkWidget* widget);

}  // namespace sorvane::smoke
