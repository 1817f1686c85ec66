#include "LogoStripCheck.h"

#include <wx/panel.h>

#include "SmokeScreen.h"
#include "forms/LogoStrip.h"
#include "forms/art/ProgramArt.h"
#include "gui/InfoDialog.h"

namespace sorvane::smoke {

bool StripMatchesPainter(InfoDialog& box) {
  const wxRect rect = box.LogoPB->GetScreenRect();
  const wxImage shot = ScreenArea(rect);
  if (!shot.IsOk()) return false;
  const wxColour face = box.LogoPB->GetBackgroundColour();
  const PixelBuffer painted = PaintLogoStrip(rect.width, rect.height, EmbeddedBitmaps().LoadBitmap("LOGO"),
                                             &ProgramIcon(), MakeColor(face.Red(), face.Green(), face.Blue()));
  for (int y = 0; y < rect.height; ++y) {
    for (int x = 0; x < rect.width; ++x) {
      if (x >= 44 && x < 250 && y >= 6 && y < 60) continue;  // the three text rows
      if (MakeColor(shot.GetRed(x, y), shot.GetGreen(x, y), shot.GetBlue(x, y)) != painted.At(x, y)) return false;
    }
  }
  return true;
}

}  // namespace sorvane::smoke
