#pragma once

#include <string>

namespace sorvane {

// The folder that stands in for the Windows system folder, where the update
// component places the ZIP engine libraries: $ORVEL_SYSTEM_DIR when set,
// else $XDG_DATA_HOME/orvel/system/ ($XDG_DATA_HOME defaulting to
// ~/.local/share). Missing folders on the way are created with mode 0700; a
// failure there is left for the first file written into it to report. Ends
// with "/".
std::string OrvelSystemFolder();

}  // namespace sorvane
