#pragma once

#include <memory>
#include <string>

#include "app/StartupComponents.h"
#include "components/setup/OrvelSetup.h"
#include "components/update/TOrvelUpdateFile.h"

namespace sorvane {

// Who keeps the program's files up to date: the program itself (a program
// folder of the user's, which the update service replaces) or the system's
// package management, which owns them and which the program must not touch.
enum class ProgramUpdates { SelfUpdate, PackageManagement };

// The components the main window owns, made in its order while the main
// window is being created: the update component first, then the setup
// component, whose construction runs the
// uninstall dialogue when the program was started with "/uninstall". Each
// gets the main window's stored values right after its construction.
//
// Under package management there is no update component: the start-up check
// never runs, and Ctrl+U says where updates come from. The registration
// then writes its registry values but no desktop entry of the user's: the
// package brings the system's.
class ProgramComponents : public StartupComponents {
 public:
  ProgramComponents(UpdateComponentOwner& owner, const UpdateComponentServices& update, const SetupServices& setup,
                    ProgramUpdates updates = ProgramUpdates::SelfUpdate);

  bool Uninstalled() override { return setup_->Uninstalled(); }
  void RegisterProgram() override { setup_->RegisterProgram(); }
  void SetZIPFileName(const std::string& name) override {
    if (update_ != nullptr) update_->ZIPFileName = name;
  }
  void AutomaticUpdate() override {
    if (update_ != nullptr) update_->AutomaticUpdate("", false, 0);
  }
  bool Terminated() override { return application_.Terminated(); }

  TOrvelSetup& Setup() { return *setup_; }
  // Null under package management.
  TOrvelUpdateFile* Update() { return update_.get(); }

 private:
  ApplicationControl& application_;
  std::unique_ptr<TOrvelUpdateFile> update_;
  std::unique_ptr<DesktopMenu> noMenu_;
  std::unique_ptr<TOrvelSetup> setup_;
};

namespace texts {
inline constexpr char kPackageManagementUpdates[] =
    "Diese Sorvane-Installation wird über die Paketverwaltung des Systems aktualisiert. Neue Versionen erhalten "
    "Sie dort zusammen mit den übrigen Systemaktualisierungen.";
}  // namespace texts

}  // namespace sorvane
