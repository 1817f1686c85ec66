#pragma once

#include <memory>
#include <string>

#include "components/update/HttpUpdateClient.h"
#include "components/update/TOrvelUpdateFile.h"
#include "components/update/TStatusForm.h"
#include "components/update/UpdateListExchange.h"
#include "components/update/UpdateInstallation.h"
#include "components/zip/TZipArchive.h"
#include "platform/ApplicationControl.h"
#include "platform/NativeServices.h"
#include "platform/DriveType.h"
#include "platform/DynamicLibrary.h"
#include "platform/InternetConnection.h"
#include "platform/ScriptRunner.h"
#include "platform/TempFiles.h"

class wxFrame;

namespace sorvane {

class StatusFormDialog;

// The update service's side of the program: the services of the update
// component and of its wizard, and the main window as the
// component's owner (Ctrl+U, the wizard window, the program's end). Made
// before the components; the wizard's teardown runs from Teardown() when the
// program ends.
class ProgramUpdate : public UpdateComponentOwner {
 public:
  struct Services {
    FileSystem& files;
    Dialogs& dialogs;
    SystemFolders& systemFolders;
    Locale& locale;
    CodePage& codePage;
    RegistryStore& registry;
    ProgramFile& program;
    Clock& clock;
    MessagePump& pump;
    ApplicationControl& application;
  };
  ProgramUpdate(wxFrame& mainWindow, const Services& services);
  ~ProgramUpdate() override;

  // What the update component is made with.
  UpdateComponentServices ComponentServices();

  // The wizard's teardown at program end: the list copy goes, the next
  // reminder is written and a prepared installation starts. Errors are shown
  // by the default error display.
  void Teardown();

  // UpdateComponentOwner.
  void AddShortcutAction(const std::string& actionListName, const std::string& shortCut,
                         std::function<void()> execute) override;
  UpdateWizard& CreateUpdateWizard() override;
  void DetachDestroyHandler() override {}  // the main window has no destroy handler

  StatusFormDialog* Window() { return window_; }

 private:
  wxFrame& main_;
  Services services_;
  std::string systemFolder_;
  std::unique_ptr<Network> network_ = NewNetwork();
  std::unique_ptr<DynamicLibraries> libraries_ = NewDynamicLibraries();
  std::unique_ptr<DriveTypes> drives_ = NewDriveTypes();
  std::unique_ptr<Calendar> calendar_ = NewCalendar();
  std::unique_ptr<InternetConnection> connection_ = NewInternetConnection();
  std::unique_ptr<TempFiles> tempFiles_ = NewTempFiles();
  std::unique_ptr<ScriptRunner> scripts_ = NewScriptRunner();
  std::unique_ptr<ScriptDialect> dialect_ = NewScriptDialect();  // what scripts_ runs
  HttpUpdateClient http_;
  UpdateListExchange list_;
  TZipArchive zip_;  // the wizard's `Zip`
  ZipUpdateInstallation installation_;
  StatusFormDialog* window_ = nullptr;
  std::unique_ptr<TStatusForm> form_;
};

}  // namespace sorvane
