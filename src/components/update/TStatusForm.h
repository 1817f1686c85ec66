#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "components/update/StatusFormView.h"
#include "components/update/UpdateSteps.h"
#include "components/update/UpdateWizard.h"
#include "platform/Clock.h"
#include "platform/ApplicationControl.h"
#include "platform/Calendar.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/MessagePump.h"
#include "platform/RegistryStore.h"
#include "platform/ScriptRunner.h"
#include "platform/SystemFolders.h"

namespace sorvane {

// What the update wizard works with; everything outlives it.
struct StatusFormServices {
  FileSystem& files;
  Dialogs& dialogs;
  SystemFolders& systemFolders;
  Locale& locale;
  RegistryStore& registry;
  Calendar& calendar;
  Clock& clock;
  MessagePump& pump;
  UpdateHttp& http;
  UpdateExchange& list;
  UpdateInstallation& installation;
  ScriptRunner& scripts;
  ApplicationControl& application;  // asked to end the program
};

// The update wizard "Updates installieren": welcome, check, result,
// download, install and finish, plus a settings page, over its view. Made
// once with the update component, shown modally any number of times
// (FormShow starts every showing afresh), torn down at program end.
//
// Everything runs on the user-interface thread. During the archive
// download the HTTP client's Get runs the pump from OnUpdateTimer, so
// clicks arrive from inside the download; they only set flags that the
// download acts on.
class TStatusForm {
 public:
  TStatusForm(const StatusFormServices& services, StatusFormView& view);
  TStatusForm(const TStatusForm&) = delete;
  TStatusForm& operator=(const TStatusForm&) = delete;

  // The values of the coming showing, from the update component.
  void SetValues(const UpdateWizardValues& values) { values_ = values; }

  void FormCreate();
  void FormShow();
  void Button_NextClick();
  void Button_CheckClick();
  void Button_CancelClick();
  void CancelDownloadClick();
  void OnUpdateTimer();
  void PaintBox_ProcessPaint(SidePanelCanvas& canvas, int width, int height);
  void Button_SettingsClick();
  void RadioButton_UpdtClick();
  void Button_SettingsSaveClick();
  void Button_SettingsCancelClick();
  // Whether a request to close the window (close box, Esc, "Abbrechen")
  // may go through now. During a download it asks whether to abort; on
  // Yes the window closes by itself once the download has ended.
  bool FormCloseQuery();
  void FormClose();
  // A key pressed anywhere in the window. On the settings page Esc is its
  // "Abbrechen" and Enter its "Speichern"; elsewhere Esc asks to close like
  // the close box. False when the window's own handling applies (Enter on
  // the step pages: the default button).
  bool FormKeyDown(StatusKey key);
  void FormDestroy();
  void HTTPFailure();
  void HTTPConnectionFailed();

  // Run state, for the window and for tests.
  int StepCounter() const { return stepCounter_; }
  bool UpdateAvailable() const { return updateAvailable_; }
  bool Downloading() const { return downloading_; }
  bool CancelRequested() const { return cancelRequested_; }
  bool DownloadAborted() const { return downloadAborted_; }
  bool InstallPrepared() const { return installPrepared_; }
  const std::string& TempFolder() const { return tempFolder_; }
  const std::string& UpdateListCopy() const { return updateListCopy_; }
  std::string ArchivePath() const { return tempFolder_ + values_.zipFileName; }

  // How long an aborted download waits before its file is deleted.
  static constexpr std::int64_t kAbortWaitMs = 3000;
  // How often the progress display takes a new state during a download: ten
  // times a second reads smoothly, and relaying out its labels more often
  // costs a fast download a seventh of its speed.
  static constexpr std::int64_t kProgressIntervalMs = 100;

 private:
  void ShowStep();
  void RunStep(int s);
  void RunDownloadStep();
  // Fetches the archive; false when it is not to be installed, with why
  // in refusal_ when there is more to say than "not completed".
  bool DownloadArchive();
  void ShowProgress(std::int64_t total, std::int64_t received);
  // The archive's size for the display: the server's, else the list's.
  std::int64_t DownloadTotal();
  void WaitPumping(std::int64_t ms);
  void CloseWindow();
  // Holds busy_ for its own life.
  struct BusyScope {
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    bool& flag_;
  };
  bool AskAbort();
  void SetNextEnabled(bool enabled);
  void SetCancelEnabled(bool enabled);
  std::string KeyPath() const { return "Software\\Orvel\\" + values_.registryKey; }
  RegistryRoot Root() const { return values_.hkcu ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine; }

  StatusFormServices services_;
  StatusFormView& view_;
  UpdateWizardValues values_;

  int stepCounter_ = 0;
  bool updateAvailable_ = false;
  bool downloading_ = false;
  bool cancelRequested_ = false;
  bool downloadAborted_ = false;
  bool downloadFailed_ = false;  // an HTTP failure event came during the download
  bool installPrepared_ = false;
  bool closeWanted_ = false;     // close once the running download has ended
  // A check or a download step runs. Its transfer lets clicks in; none of
  // them may start the same work again below it.
  bool busy_ = false;
  bool settingsShowing_ = false;
  bool ending_ = false;
  int page_ = 0;                 // the page shown
  bool cancelEnabled_ = true;    // "Abbrechen"
  std::string tempFolder_;
  std::string updateListCopy_;
  double startTime_ = 0;
  bool progressShown_ = false;
  std::int64_t progressShownMs_ = 0;
  std::int64_t shownTotal_ = 0, shownReceived_ = 0;
  std::string refusal_;
  // Why the check offers nothing although the server may have an update
  // (the host is not trusted, the list gives no size); empty otherwise.
  std::string noOffer_;
  // The archive's size as the update list gives it: the download takes no
  // more, and no other.
  std::int64_t announcedSize_ = 0;
};

}  // namespace sorvane
