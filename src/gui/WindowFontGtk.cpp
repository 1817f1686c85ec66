#include "gui/WindowFont.h"

namespace sorvane {

wxFont MainWindowFont() { return wxNullFont; }

}  // namespace sorvane
