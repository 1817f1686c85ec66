#include "gui/SorvaneApp.h"

#include <clocale>
#include <exception>

#include "app/DefaultErrorDisplay.h"
#include "platform/NativeServices.h"
#include "gui/Form1Frame.h"
#include "gui/WxDialogs.h"
#include "gui/WxText.h"

namespace sorvane {

std::string SorvaneApp::FirstArgument() { return argc > 1 ? Utf8(argv[1]) : std::string(); }

ProgramFile& SorvaneApp::TheProgramFile() {
  if (!programFile_) programFile_ = NewProgramFile();
  return *programFile_;
}

bool SorvaneApp::OnInit() {
  // wxApp::OnInit would parse the command line by wx's own rules and refuse
  // the program's argument ("/uninstall"); the program reads it itself.
  SetAppName(Wx(ApplicationTitle));
  SetAppDisplayName(Wx(ApplicationTitle));
  try {
    program_ = std::make_unique<SorvaneProgram>(TheProgramFile(), FirstArgument(), Updates());
  } catch (const std::exception& failure) {
    // Nothing to show the wizard in: report and end.
    WxDialogs dialogs;
    ShowDefaultError(dialogs, failure);
    return false;
  }
  SetTopWindow(&program_->MainWindow());
  program_->Show();
  return true;
}

int SorvaneApp::OnRun() {
  // An end asked for while the windows were being made takes effect now.
  if (program_) program_->MainLoopStarts();
  return wxApp::OnRun();
}

int SorvaneApp::OnExit() {
  // The windows are gone by now; the behaviour behind them goes last.
  program_.reset();
  return wxApp::OnExit();
}

void SorvaneApp::CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor, wxEvent& event) const {
  try {
    wxApp::CallEventHandler(handler, functor, event);
  } catch (const std::exception& failure) {
    WxDialogs dialogs;
    ShowDefaultError(dialogs, failure);
  }
}

}  // namespace sorvane
