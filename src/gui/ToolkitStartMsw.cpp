#include "gui/ToolkitStart.h"

namespace sorvane {

// The Windows controls need nothing of the process before they start.
void PrepareToolkit() {}

}  // namespace sorvane
