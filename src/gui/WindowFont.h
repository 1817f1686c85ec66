#pragma once

#include <wx/font.h>

namespace sorvane {

// The font the main window is designed in, which its controls take: on
// Windows "MS Sans Serif" at 8 points (the About box later gives it the
// system's message font face, as every 8-point window). GTK has no such face
// and its desktop font is made for its own controls' sizes: there the result
// is not IsOk() and the window keeps the desktop's font. Each toolkit's own
// file defines it.
wxFont MainWindowFont();

}  // namespace sorvane
