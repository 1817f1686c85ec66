#pragma once

#include <string>

namespace sorvane {

// What the update component hands the update wizard just before each showing.
struct UpdateWizardValues {
  std::string programName;   // the program's section in the update list
  std::string zipFileName;   // the archive's name in the temporary folder
  std::string registryKey;   // last component of Software\Orvel\<key>
  double referenceDate = 0;  // days since 1899-12-30
  bool hkcu = false;         // the key lies under HKEY_CURRENT_USER
};

// The update wizard as the update component sees it: created once, hidden,
// shown modally on demand. The window itself lives above the component.
class UpdateWizard {
 public:
  virtual ~UpdateWizard() = default;

  // Takes the values and shows the wizard; returns when it has closed.
  virtual void ShowModal(const UpdateWizardValues& values) = 0;
};

}  // namespace sorvane
