#include "gui/ToolkitStart.h"

#include <wx/app.h>

#include <windows.h>

namespace sorvane {

// The Windows controls need nothing of the process before they start.
void PrepareToolkit() {}

int StartToolkit(int&, char**) { return wxEntry(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace sorvane
