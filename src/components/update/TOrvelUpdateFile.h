#pragma once

#include <functional>
#include <string>

#include "components/update/UpdateWizard.h"
#include "net/HttpClient.h"
#include "platform/ApplicationControl.h"
#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/DriveType.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFile.h"
#include "platform/RegistryStore.h"
#include "platform/Resources.h"

namespace sorvane {

// The window that owns the update component, as the component needs it.
class UpdateComponentOwner {
 public:
  virtual ~UpdateComponentOwner() = default;

  // Adds an action list of this name, owned by the window, with one action
  // whose shortcut is shortCut ("Ctrl+U") and which runs execute while the
  // window is active.
  virtual void AddShortcutAction(const std::string& actionListName, const std::string& shortCut,
                                 std::function<void()> execute) = 0;

  // Creates the update wizard window, owned by the application: hidden, it
  // lives until the program ends. Called once per component.
  virtual UpdateWizard& CreateUpdateWizard() = 0;

  // "OnlyUpdate": the window's destroy handler is detached (set to none) so
  // that it does not run at the end; then the application is asked to end.
  // The ordinary shutdown still destroys the update wizard, whose teardown
  // writes the next reminder and starts a prepared installation.
  virtual void DetachDestroyHandler() = 0;
};

// What the component works with; all of it outlives the component.
struct UpdateComponentServices {
  NetServices net;              // for the inherited HTTP client
  ApplicationControl& application;  // ends the program after an "OnlyUpdate" run
  RegistryStore& registry;
  ProgramFile& program;
  DriveTypes& drives;
  Calendar& calendar;
  CodePage& codePage;           // the program path goes into the registry as ANSI
  FileSystem& files;            // writes the engine libraries
  ProgramResources& resources;  // carries them ("ZIPENGINE", "UNZIPENGINE")
  std::string systemFolder;     // where they go, ending with "/" (OrvelSystemFolder)
};

// The update component. Its construction, in this order: the HTTP client
// part; the action list "ActionList_" + Name (Name is still empty while the
// constructor runs, as for every component read from a form) with the Ctrl+U
// action, which calls AutomaticUpdate("", true, 0); the engine libraries
// written into the system folder unless "UnzipEngine.dll" there is the one
// the program carries (EFCreateError "Datei %s kann nicht erstellt werden" when
// one cannot be written); the HTTP defaults (Host = UpdateHost(), Port 21,
// Body and Header empty, TimeOut 10000, BodyToFile true) and HKCU false; then
// the update wizard, created once through the owner and kept.
//
// The owner's stored values replace the construction values afterwards:
// ApplyMainWindowValues.
class TOrvelUpdateFile : public THttpClient {
 public:
  TOrvelUpdateFile(UpdateComponentOwner& owner, UpdateComponentServices services);

  std::string Name;         // the component's name on its window
  std::string ProgramName;  // the program's section in the update list
  std::string RegistryKey;  // last component of Software\Orvel\<RegistryKey>
  std::string ZIPFileName;  // the archive's name in the temporary folder
  bool HKCU = false;        // the key lies under HKEY_CURRENT_USER, else HKEY_LOCAL_MACHINE

  // Decides whether the update wizard is due and shows it modally. Unless
  // Manual, first writes "ApplicationFileName" (the program path, UTF-8, in double
  // quotes, then a blank and ExtraArgument when that is not empty). On a drive
  // that may not update it stops there. ReferenceDate 0 means the program
  // file's date; when that cannot be read, no offer counts as newer. With
  // "OnlyUpdate" the program ends after the wizard (UpdateComponentOwner).
  // Registry failures leave as ERegistryException:
  // "Ungültiger Datentyp für 'Update'" for an "Update" that is not exactly 8
  // bytes of binary data, "Fehler beim Setzen der Daten für '...'" for a
  // value that cannot be written.
  void AutomaticUpdate(const std::string& ExtraArgument, bool Manual, double ReferenceDate);

  // The action list's name as made at construction.
  const std::string& ActionListName() const { return actionListName_; }

 private:
  UpdateComponentOwner& owner_;
  UpdateComponentServices services_;
  std::string actionListName_;
  UpdateWizard* wizard_ = nullptr;
};

// The values the main window stores for its update component: ProgramName
// "ZVQ" as this system's section of the update list (UpdateSection.h), RegistryKey "Sorvane", HKCU false, StatusLevel 0, HeaderToFile
// false, ProxyPort 0, Name "OrvelUpdateFile". ZIPFileName is set at start.
void ApplyMainWindowValues(TOrvelUpdateFile& component);

}  // namespace sorvane
