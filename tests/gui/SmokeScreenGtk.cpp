#include <gtk/gtk.h>

#include "SmokeScreen.h"

namespace sorvane::smoke {
namespace {

// From the root window: wx's screen device context keeps showing the first
// picture it read under GTK 3.
GdkPixbuf* RootWindowArea(const wxRect& rect) {
  return gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.x, rect.y, rect.width, rect.height);
}

}  // namespace

wxImage ScreenArea(const wxRect& rect) {
  GdkPixbuf* shot = RootWindowArea(rect);
  if (shot == nullptr) return wxImage();
  wxImage image(rect.width, rect.height);
  const guchar* pixels = gdk_pixbuf_get_pixels(shot);
  const int stride = gdk_pixbuf_get_rowstride(shot), channels = gdk_pixbuf_get_n_channels(shot);
  for (int y = 0; y < rect.height; ++y) {
    for (int x = 0; x < rect.width; ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      image.SetRGB(x, y, p[0], p[1], p[2]);
    }
  }
  g_object_unref(shot);
  return image;
}

std::string SaveScreenArea(const wxRect& rect, const std::string& pathWithoutExtension) {
  GdkPixbuf* shot = RootWindowArea(rect);
  if (shot == nullptr) return {};
  const std::string path = pathWithoutExtension + ".png";
  const bool saved = gdk_pixbuf_save(shot, path.c_str(), "png", nullptr, nullptr);
  g_object_unref(shot);
  return saved ? path : std::string();
}

}  // namespace sorvane::smoke
