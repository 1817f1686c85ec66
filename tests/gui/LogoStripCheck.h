#pragma once

namespace sorvane {
class InfoDialog;
}

namespace sorvane::smoke {

// Whether the About box's logo strip on screen is, outside its three text
// rows, the toolkit-free painter's picture for the strip's real size, the
// "LOGO" bitmap, the program's icon and the strip's face colour.
bool StripMatchesPainter(InfoDialog& box);

}  // namespace sorvane::smoke
