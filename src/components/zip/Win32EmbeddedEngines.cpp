#include "components/zip/EnginePlacement.h"
#include "platform/win32/Win32ProgramResources.h"

namespace sorvane {

// On Windows the engines are the program's "ZIPFILE" resources
// (EmbeddedEngines.rc), found in its own file.
ProgramResources& EmbeddedEngineResources() {
  static Win32ProgramResources resources;
  return resources;
}

}  // namespace sorvane
