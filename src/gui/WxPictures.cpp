#include "gui/WxPictures.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <functional>

namespace sorvane {

namespace {

// Draws on a transparent square of size × size; coordinates are given in a
// 32 × 32 grid and scaled.
wxBitmap Draw(int size, const std::function<void(wxDC&)>& paint) {
  wxBitmap bitmap(size, size, 32);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetUserScale(size / 32.0, size / 32.0);
    paint(dc);
  }
  // White counts as the background, so the button's colour shows through.
  wxImage image = bitmap.ConvertToImage();
  image.SetMaskColour(255, 255, 255);
  return wxBitmap(image);
}

void Person(wxDC& dc, const wxColour& colour) {
  dc.SetPen(wxPen(colour.ChangeLightness(60)));
  dc.SetBrush(wxBrush(colour));
  dc.DrawEllipse(10, 3, 12, 12);
  dc.DrawRoundedRectangle(5, 17, 22, 13, 5);
}

}  // namespace

wxBitmap OpenPicture(int size) {
  return Draw(size, [](wxDC& dc) {
    dc.SetPen(wxPen(wxColour(150, 110, 20)));
    dc.SetBrush(wxBrush(wxColour(230, 190, 80)));
    dc.DrawRectangle(3, 8, 12, 4);
    dc.DrawRectangle(3, 11, 26, 17);
    dc.SetBrush(wxBrush(wxColour(250, 215, 110)));
    const wxPoint front[] = {{3, 28}, {8, 16}, {31, 16}, {29, 28}};
    dc.DrawPolygon(4, front);
  });
}

wxBitmap ExitPicture(int size) {
  return Draw(size, [](wxDC& dc) {
    dc.SetPen(wxPen(wxColour(90, 60, 30)));
    dc.SetBrush(wxBrush(wxColour(160, 110, 60)));
    dc.DrawRectangle(4, 3, 14, 26);
    dc.SetPen(wxPen(wxColour(180, 30, 30), 3));
    dc.DrawLine(16, 16, 28, 16);
    dc.DrawLine(23, 11, 28, 16);
    dc.DrawLine(23, 21, 28, 16);
  });
}

wxBitmap InfoPicture(int size) {
  return Draw(size, [](wxDC& dc) {
    dc.SetPen(wxPen(wxColour(20, 60, 150)));
    dc.SetBrush(wxBrush(wxColour(40, 100, 210)));
    dc.DrawEllipse(2, 2, 28, 28);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawEllipse(14, 7, 5, 5);
    dc.DrawRectangle(14, 14, 5, 12);
  });
}

wxBitmap GuestPicture(int size) {
  return Draw(size, [](wxDC& dc) { Person(dc, wxColour(160, 160, 160)); });
}

wxBitmap UserPicture(int size) {
  return Draw(size, [](wxDC& dc) {
    Person(dc, wxColour(60, 110, 200));
    dc.SetPen(wxPen(wxColour(120, 90, 0), 2));
    dc.SetBrush(wxBrush(wxColour(240, 200, 40)));
    dc.DrawEllipse(19, 19, 8, 8);
    dc.DrawLine(26, 23, 31, 23);
    dc.DrawLine(29, 23, 29, 27);
  });
}

}  // namespace sorvane
