/* Preloaded into a program under test (LD_PRELOAD), so that a script can
 * read what its GTK windows show without any hook in the program: twice a
 * second the titles of the shown top-level windows and the texts of their
 * visible labels go, one per line, to the file $WINDOW_TEXTS (written
 * beside it and renamed over it, so a reader never sees half). When the file
 * $WINDOW_TEXTS.shot appears, the largest shown window is saved as a PNG
 * under the path that file holds, and the request file is removed. */
#include <gtk/gtk.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void WriteLabels(GtkWidget* widget, gpointer out) {
  if (GTK_IS_LABEL(widget) && gtk_widget_is_visible(widget)) {
    fprintf((FILE*)out, "%s\n", gtk_label_get_text(GTK_LABEL(widget)));
  }
  if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), WriteLabels, out);
}

static void SaveShot(GtkWidget* window, const char* request) {
  char target[4096] = "";
  FILE* in = fopen(request, "r");
  if (in == NULL) return;
  if (fgets(target, sizeof target, in) != NULL) target[strcspn(target, "\n")] = '\0';
  fclose(in);
  GdkWindow* gdk = gtk_widget_get_window(window);
  if (target[0] != '\0' && gdk != NULL) {
    GdkPixbuf* picture =
        gdk_pixbuf_get_from_window(gdk, 0, 0, gdk_window_get_width(gdk), gdk_window_get_height(gdk));
    if (picture != NULL) {
      gdk_pixbuf_save(picture, target, "png", NULL, NULL);
      g_object_unref(picture);
    }
  }
  remove(request);
}

static gboolean Dump(gpointer unused) {
  (void)unused;
  const char* path = getenv("WINDOW_TEXTS");
  if (path == NULL || gdk_display_get_default() == NULL) return G_SOURCE_CONTINUE;
  char* temp = g_strconcat(path, ".new", NULL);
  char* request = g_strconcat(path, ".shot", NULL);
  FILE* out = fopen(temp, "w");
  GtkWidget* largest = NULL;
  int largestArea = 0;
  GList* windows = gtk_window_list_toplevels();
  for (GList* item = windows; item != NULL && out != NULL; item = item->next) {
    GtkWidget* window = GTK_WIDGET(item->data);
    if (!gtk_widget_get_visible(window)) continue;
    const char* title = gtk_window_get_title(GTK_WINDOW(window));
    fprintf(out, "window: %s\n", title != NULL ? title : "");
    WriteLabels(window, out);
    const int area = gtk_widget_get_allocated_width(window) * gtk_widget_get_allocated_height(window);
    if (area > largestArea) {
      largestArea = area;
      largest = window;
    }
  }
  g_list_free(windows);
  if (out != NULL && fclose(out) == 0) rename(temp, path);
  if (largest != NULL && g_file_test(request, G_FILE_TEST_EXISTS)) SaveShot(largest, request);
  g_free(temp);
  g_free(request);
  return G_SOURCE_CONTINUE;
}

__attribute__((constructor)) static void StartDumping(void) {
  /* The default main context is the one the toolkit's loops run. */
  g_timeout_add(500, Dump, NULL);
}
