#pragma once

#include <wx/bitmap.h>

namespace sorvane {

// The main window's pictures, drawn in code so that they look the same
// whatever icon theme the desktop has (or none, as under Xvfb).
wxBitmap OpenPicture(int size);   // a folder
wxBitmap ExitPicture(int size);   // a door with an arrow
wxBitmap InfoPicture(int size);   // an "i" in a circle
wxBitmap GuestPicture(int size);  // a grey person
wxBitmap UserPicture(int size);   // a person with a key

}  // namespace sorvane
