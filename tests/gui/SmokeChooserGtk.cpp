#include "SmokeChooserGtk.h"

namespace sorvane::smoke {

GtkWidget* ShownFolderChooser() {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* w = windows; w != nullptr; w = w->next) {
    auto* widget = static_cast<GtkWidget*>(w->data);
    if (GTK_IS_FILE_CHOOSER_DIALOG(widget) && gtk_widget_get_visible(widget)) found = widget;
  }
  g_list_free(windows);
  return found;
}

std::string ChooserFolder(GtkWidget* dialog) {
  gchar* folder = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(dialog));
  const std::string path = folder != nullptr ? folder : "";
  g_free(folder);
  return path;
}

wxPoint WidgetCentre(GtkWidget* widget) {
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  int x = 0, y = 0, originX = 0, originY = 0;
  gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y);
  gdk_window_get_origin(gtk_widget_get_window(top), &originX, &originY);
  return wxPoint(originX + x + gtk_widget_get_allocated_width(widget) / 2,
                 originY + y + gtk_widget_get_allocated_height(widget) / 2);
}

}  // namespace sorvane::smoke
