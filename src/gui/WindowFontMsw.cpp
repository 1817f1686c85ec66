#include "gui/WindowFont.h"

namespace sorvane {

wxFont MainWindowFont() { return wxFont(wxFontInfo(8).FaceName("MS Sans Serif")); }

}  // namespace sorvane
