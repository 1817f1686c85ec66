#pragma once

#include <memory>

#include "app/ProgramComponents.h"
#include "app/Wizard.h"
#include "app/WizardServices.h"
#include "forms/TInfo.h"
#include "forms/ThrottledPump.h"
#include "platform/NativeServices.h"
#include "platform/DesktopMenu.h"
#include "platform/PictureDecoder.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"
#include "platform/VersionInfo.h"
#include "platform/ProgramFile.h"
#include "forms/art/ProgramArt.h"
#include "gui/WxApplication.h"
#include "gui/WxDialogs.h"
#include "gui/PendingViews.h"
#include "gui/WxEventQueue.h"
#include "gui/ProgramUpdate.h"

namespace sorvane {

class ExtractFormDialog;
class Form1Frame;
class Form5Frame;
class Form6Dialog;
class InfoDialog;

// The running program: the system's real services, the windows in their
// start order (the main window with its components and its creation
// handler, then the preview, the wait window and the About box) and the
// behaviour over them. Made once the toolkit is up (the application's
// OnInit); the windows belong to wx and go with the main window, this object
// stays until the application ends.
class SorvaneProgram {
 public:
  // programFile says where the program lives, and so which containers the
  // first page lists; firstArgument is the first command-line argument
  // ("" when there is none). Under package management the program neither
  // updates itself nor enters itself in the user's desktop menu: the
  // package brings the system's menu entry.
  SorvaneProgram(ProgramFile& programFile, const std::string& firstArgument,
                 ProgramUpdates updates = ProgramUpdates::SelfUpdate);
  SorvaneProgram(const SorvaneProgram&) = delete;
  SorvaneProgram& operator=(const SorvaneProgram&) = delete;
  ~SorvaneProgram();

  // How often a container load lets window events run when none are
  // waiting: each turn repaints the progress bar, which costs the X server
  // about a millisecond, so 20 times a second keep the bar moving smoothly
  // without slowing the load much. Input is still handled at once.
  static constexpr std::int64_t kPumpIntervalMs = 50;

  // Shows the main window; the message loop runs after this. Not after an
  // uninstall run, which has asked the application to end. A container named
  // as the first argument is opened once the loop runs, so that its load
  // has the wait window and a failure shows over the shown main window.
  void Show();
  bool Terminated() const { return application_.Terminated(); }
  // The message loop is about to start: an end asked for while the windows
  // were being made takes effect now.
  void MainLoopStarts() { application_.MainLoopStarts(); }

  Form1Frame& MainWindow() { return *form1_; }
  Form5Frame& PreviewWindow() { return *form5_; }
  Form6Dialog& WaitWindow() { return *form6_; }
  ExtractFormDialog& ProgressWindow() { return *extractForm_; }
  InfoDialog& AboutBox() { return *info_; }
  ProgramComponents& Components() { return *components_; }
  ProgramUpdate& Update() { return *update_; }
  Wizard& TheWizard() { return *wizard_; }
  Dialogs& TheDialogs() { return dialogs_; }

 private:
  std::unique_ptr<FileSystem> files_ = NewFileSystem();
  WxDialogs dialogs_;
  std::unique_ptr<Shell> shell_ = NewShell();
  std::unique_ptr<SystemFolders> systemFolders_ = NewSystemFolders();
  std::unique_ptr<Locale> locale_ = NewLocale();
  std::unique_ptr<CodePage> codePage_ = NewCodePage();
  std::unique_ptr<PictureDecoder> pictureDecoder_ = NewPictureDecoder();
  WizardServices services_;
  std::unique_ptr<VersionInfo> versionInfo_ = NewVersionInfo();
  FileVersionReader readFileVersion_;
  WxApplicationControl application_;
  WxApplicationWindows windows_;
  std::unique_ptr<RegistryStore> registry_;
  std::unique_ptr<DesktopMenu> desktopMenu_ = NewDesktopMenu();
  EmbeddedBitmaps bitmaps_;

  Form1Frame* form1_ = nullptr;
  Form5Frame* form5_ = nullptr;
  Form6Dialog* form6_ = nullptr;
  ExtractFormDialog* extractForm_ = nullptr;
  InfoDialog* info_ = nullptr;
  PendingForm5View previewView_;
  PendingForm6View waitView_;
  PendingExtractFormView progressView_;

  WxEventQueue eventQueue_;
  std::unique_ptr<Clock> clock_ = NewClock();
  ThrottledPump pump_;
  std::unique_ptr<ProgramUpdate> update_;
  std::unique_ptr<ProgramComponents> components_;
  std::unique_ptr<Wizard> wizard_;
  std::unique_ptr<TInfo> tinfo_;
  std::unique_ptr<InfoBox> infoBox_;
  std::string firstArgument_;
};

}  // namespace sorvane
