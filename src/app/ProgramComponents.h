#pragma once

#include <memory>
#include <string>

#include "app/StartupComponents.h"
#include "components/setup/OrvelSetup.h"
#include "components/update/TOrvelUpdateFile.h"

namespace sorvane {

// The components the main window owns, made in its order while the main
// window is being created: the update component first, then the setup
// component, whose construction runs the
// uninstall dialogue when the program was started with "/uninstall". Each
// gets the main window's stored values right after its construction.
class ProgramComponents : public StartupComponents {
 public:
  ProgramComponents(UpdateComponentOwner& owner, const UpdateComponentServices& update, const SetupServices& setup);

  bool Uninstalled() override { return setup_->Uninstalled(); }
  void RegisterProgram() override { setup_->RegisterProgram(); }
  void SetZIPFileName(const std::string& name) override { update_->ZIPFileName = name; }
  void AutomaticUpdate() override { update_->AutomaticUpdate("", false, 0); }

  TOrvelSetup& Setup() { return *setup_; }
  TOrvelUpdateFile& Update() { return *update_; }

 private:
  std::unique_ptr<TOrvelUpdateFile> update_;
  std::unique_ptr<TOrvelSetup> setup_;
};

}  // namespace sorvane
