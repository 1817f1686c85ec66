#pragma once

#include <memory>
#include <string>

#include "app/StartupComponents.h"
#include "components/setup/OrvelSetup.h"

namespace sorvane {

// The components the main window owns, made in its order while the main
// window is being created: the update component first (once the program
// has one), then the setup component, whose construction runs the
// uninstall dialogue when the program was started with "/uninstall". Each
// gets the main window's stored values right after its construction.
class ProgramComponents : public StartupComponents {
 public:
  explicit ProgramComponents(const SetupServices& setup);

  bool Uninstalled() override { return setup_->Uninstalled(); }
  void RegisterProgram() override { setup_->RegisterProgram(); }
  // Kept for the update component, which takes them over when it comes.
  void SetZIPFileName(const std::string& name) override { zipFileName_ = name; }
  void AutomaticUpdate() override {}

  TOrvelSetup& Setup() { return *setup_; }

 private:
  std::unique_ptr<TOrvelSetup> setup_;
  std::string zipFileName_;
};

}  // namespace sorvane
