#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>

#include <string>

namespace sorvane::smoke {

// The screen's pixels in rect (screen coordinates) as they are now: what the
// X server shows, read back from it. Each toolkit's file defines these.
wxImage ScreenArea(const wxRect& rect);

// Saves the screen's pixels in rect as a picture at path plus the extension
// of the format the toolkit writes (".png"; ".bmp" on Windows, whose wx is
// built without PNG). The saved file's path, or "" when it failed.
std::string SaveScreenArea(const wxRect& rect, const std::string& pathWithoutExtension);

}  // namespace sorvane::smoke
