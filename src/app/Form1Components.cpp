#include "app/Form1Components.h"

#include "app/DefaultErrorDisplay.h"
#include "components/setup/OrvelSetup.h"

namespace sorvane {

void ApplyForm1Values(TOrvelSetup& setup) {
  setup.DisplayName = ApplicationTitle;
  setup.Publisher = texts::kPublisher;
  setup.URLInfoAbout = std::string("http://") + texts::kMakerHost + "/Programme.htm";
  setup.HelpLink = std::string("http://") + texts::kMakerHost + "/";
  setup.UninstallParam = texts::kUninstallParam;
  setup.RegKeyName = ApplicationTitle;
  setup.NoModify = true;
  setup.NoRepair = true;
  // The update service is there (Ctrl+U).
  setup.OrvelUpdateUsed = true;
  setup.AutoVersion = true;
  setup.HKCU = false;
  setup.UninstallMessage = true;
}

}  // namespace sorvane
