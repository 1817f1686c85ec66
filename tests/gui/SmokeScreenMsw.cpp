#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>

#include "SmokeScreen.h"

namespace sorvane::smoke {

// The screen device context reads what the screen shows now (under Wine: the
// X server's root window).
wxImage ScreenArea(const wxRect& rect) {
  wxBitmap copy(rect.width, rect.height, 24);
  {
    wxScreenDC screen;
    wxMemoryDC memory(copy);
    if (!memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y)) return wxImage();
  }
  return copy.ConvertToImage();
}

std::string SaveScreenArea(const wxRect& rect, const std::string& pathWithoutExtension) {
  const wxImage image = ScreenArea(rect);
  const std::string path = pathWithoutExtension + ".bmp";
  return image.IsOk() && image.SaveFile(path, wxBITMAP_TYPE_BMP) ? path : std::string();
}

}  // namespace sorvane::smoke
