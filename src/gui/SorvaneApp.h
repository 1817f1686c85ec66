#pragma once

// The program's own headers come before wx/app.h, which on Windows brings
// <windows.h>: its macros (DRIVE_*, FO_*) would otherwise rewrite the
// platform's names of the same spelling.
#include "platform/ProgramFile.h"
#include "gui/SorvaneProgram.h"

#include <wx/app.h>

#include <memory>
#include <string>

namespace sorvane {

// The application: title "Sorvane", the program's windows, and the message
// loop's last line of defence: a failure that leaves any event handler is
// shown by the default error display and the loop goes on.
class SorvaneApp : public wxApp {
 public:
  bool OnInit() override;
  int OnRun() override;
  int OnExit() override;
  void CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor, wxEvent& event) const override;

  SorvaneProgram* Program() { return program_.get(); }

 protected:
  // Where the program lives; the real program asks the kernel. Smoke tests
  // put it next to their own containers.
  virtual ProgramFile& TheProgramFile();
  // The first command-line argument ("/uninstall" starts the uninstall run);
  // "" when there is none. Smoke tests give their own.
  virtual std::string FirstArgument();
  // Whether the program updates itself or the system's package management
  // does; the program's build decides.
  virtual ProgramUpdates Updates() { return ProgramUpdates::SelfUpdate; }

 private:
  std::unique_ptr<ProgramFile> programFile_;
  std::unique_ptr<SorvaneProgram> program_;
};

}  // namespace sorvane
