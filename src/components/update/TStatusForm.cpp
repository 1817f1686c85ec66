#include "components/update/TStatusForm.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <exception>
#include <optional>

#include "components/update/StatusFormTexts.h"
#include "forms/BlendColor.h"
#include "platform/Errors.h"
#include "platform/Registry.h"

namespace sorvane {
namespace {

constexpr int kDefaultInterval = 7;

// A date-time as the 8 bytes of the registry value "Update": an IEEE-754
// double, little-endian.
std::string DateBytes(double date) {
  auto bits = std::bit_cast<std::uint64_t>(date);
  std::string bytes;
  for (int i = 0; i < 8; ++i, bits >>= 8) bytes += static_cast<char>(bits & 0xFF);
  return bytes;
}

}  // namespace

TStatusForm::TStatusForm(const StatusFormServices& services, StatusFormView& view)
    : services_(services), view_(view) {
  services_.http.OnFailure = [this] { HTTPFailure(); };
  services_.http.OnConnectionFailed = [this] { HTTPConnectionFailed(); };
}

void TStatusForm::FormCreate() { downloading_ = false; }

void TStatusForm::FormShow() {
  tempFolder_ = services_.systemFolders.TempPath();
  view_.Centre();
  stepCounter_ = 0;
  settingsShowing_ = false;
  ending_ = false;
  closeWanted_ = false;
  view_.ShowPage(page_ = 0);
  view_.ShowButtonPage(StatusButtonPage::Standard);
  view_.SetVisible(StatusControl::Button_Settings, true);
  SetCancelEnabled(true);
  SetNextEnabled(true);
  view_.SetText(StatusControl::Button_Next, texts::kNext);
  installPrepared_ = updateAvailable_ = cancelRequested_ = downloadAborted_ = false;
  view_.SetText(StatusControl::Panel_Title, texts::kStepTitles[0]);
  // What an earlier showing left on the install page.
  view_.SetText(StatusControl::Label3, texts::kInstallPage);
  view_.SetErrorIcon2(false);
  view_.RepaintSidePanel();
}

void TStatusForm::Button_NextClick() {
  // A click let in by a running check or download moves nothing on.
  if (busy_) return;
  const int s = stepCounter_;
  stepCounter_ = s + 1;
  try {
    RunStep(s);
  } catch (...) {
    // A step that failed (a bad date in the news, a broken update template)
    // leaves the wizard where it was, so the step can be tried again.
    stepCounter_ = s;
    throw;
  }
  if (s == 4 && !installPrepared_) return;  // the archive was not there: page unchanged
  if (settingsShowing_ || ending_) return;
  ShowStep();
  if (stepCounter_ == 3 && updateAvailable_) RunDownloadStep();
}

void TStatusForm::RunStep(int s) {
  switch (s) {
    case 0:
      // The check button on the next page moves on.
      SetNextEnabled(false);
      break;
    case 1:
      if (updateAvailable_) {
        const std::string news = services_.list.News(values_.programName, values_.referenceDate);
        view_.SetText(StatusControl::Label_CheckResult, FormatText(texts::kUpdateAvailable, news));
      } else {
        view_.SetText(StatusControl::Button_Next, texts::kFinish);
        SetCancelEnabled(false);
        view_.SetText(StatusControl::Label_CheckResult,
                      noOffer_.empty() ? std::string(texts::kNoUpdate) : noOffer_ + "\r\n\r\n" + texts::kNoUpdate);
      }
      SetNextEnabled(true);
      break;
    case 2:
      // "Beenden" of the no-update result.
      if (!updateAvailable_) view_.Close();
      break;
    case 4:
      // The signature is checked again here, on the very bytes unpacked:
      // the archive has lain in the folder since the download.
      if (!services_.installation.Prepare(tempFolder_, values_.zipFileName, view_.RestartChecked(),
                                          [this](const std::string& archive) {
                                            return services_.list.CheckedCopy(values_.programName, archive,
                                                                              tempFolder_);
                                          })) {
        view_.SetText(StatusControl::Label3, texts::kInstallFilesMissing);
        view_.SetErrorIcon2(true);
        SetNextEnabled(false);
        return;
      }
      installPrepared_ = true;
      view_.SetText(StatusControl::Button_Next, texts::kFinish);
      SetCancelEnabled(false);
      break;
    case 5:
      // The window's modal showing ends first; the program's end follows
      // once the message loop runs again.
      ending_ = true;
      view_.Close();
      services_.application.Terminate();
      break;
    default:
      break;
  }
}

void TStatusForm::ShowStep() {
  view_.ShowPage(page_ = stepCounter_);
  view_.SetText(StatusControl::Panel_Title, texts::kStepTitles[stepCounter_]);
  view_.RepaintSidePanel();
}

void TStatusForm::Button_CheckClick() {
  // A second click while the list is on its way: the first check goes on.
  if (busy_) return;
  const std::string host = services_.http.Host();
  noOffer_ = services_.list.RefuseHost(host);
  if (!noOffer_.empty()) {
    // Nothing is asked of a server whose offers could not be believed.
    updateAvailable_ = false;
    Button_NextClick();
    return;
  }
  if (!services_.list.Connected(host)) {
    services_.dialogs.ShowMessage(texts::kNoConnection, texts::kNoConnectionTitle, MessageIcon::Warning);
    return;
  }
  updateAvailable_ = true;
  {
    const BusyScope busy(busy_);
    UpdateHttp& http = services_.http;
    // A list is a few lines; a longer body is no list, and it is not
    // fetched to its end.
    http.OnBlockReceived = [&http] {
      if (http.ExpectedBytes() > kMaxUpdateListBytes || http.ReceivedBytes() > kMaxUpdateListBytes) http.Abort();
    };
    try {
      // A check repeated in one run fetches a fresh copy; the last one goes.
      services_.list.Close();
      if (!updateListCopy_.empty()) services_.files.DeleteFile(updateListCopy_);
      updateListCopy_.clear();
      updateListCopy_ = services_.list.MakeListCopy(tempFolder_);
      http.Get("http://" + host + "/Updates.ini", updateListCopy_);
      if (updateAvailable_) services_.list.Open(updateListCopy_);
    } catch (const std::exception&) {
      updateAvailable_ = false;
    }
    http.OnBlockReceived = nullptr;
  }
  if (!updateAvailable_) {
    services_.dialogs.ShowMessage(texts::kNoConnection, texts::kNoConnectionTitle, MessageIcon::Warning);
    return;
  }
  const std::string& program = values_.programName;
  updateAvailable_ = services_.list.SectionPresent(program) && services_.list.Date(program) >= values_.referenceDate;
  if (updateAvailable_) {
    // Without a size the download would take whatever the server sends.
    const std::optional<std::int64_t> size = services_.list.Size(program);
    updateAvailable_ = size.has_value();
    if (!size) noOffer_ = texts::kNoArchiveSize;
    announcedSize_ = size.value_or(0);
  }
  Button_NextClick();
}

void TStatusForm::Button_CancelClick() {
  if (FormCloseQuery()) CloseWindow();
}

bool TStatusForm::FormKeyDown(StatusKey key) {
  if (settingsShowing_) {
    // The settings page's own buttons, whatever the step's buttons allow.
    if (key == StatusKey::Escape) {
      Button_SettingsCancelClick();
    } else {
      Button_SettingsSaveClick();
    }
    return true;
  }
  if (key != StatusKey::Escape) return false;
  if (FormCloseQuery()) CloseWindow();
  return true;
}

void TStatusForm::CloseWindow() {
  // As the close box does: the window goes, then what closing means now.
  view_.Close();
  FormClose();
}

bool TStatusForm::FormCloseQuery() {
  if (!downloading_) return true;
  if (!cancelRequested_ && !AskAbort()) return false;
  // The download runs below this call on the same thread and sees the
  // request at its next block; the window closes when it has ended.
  closeWanted_ = true;
  return false;
}

void TStatusForm::FormClose() {
  if (stepCounter_ == 5) {
    ending_ = true;
    services_.application.Terminate();
  }
}

void TStatusForm::HTTPFailure() {
  // During the download a failure makes the download incomplete; the update
  // itself is still there to be fetched again.
  if (downloading_) {
    downloadFailed_ = true;
  } else {
    updateAvailable_ = false;
  }
}

void TStatusForm::HTTPConnectionFailed() { HTTPFailure(); }

void TStatusForm::Button_SettingsClick() {
  Registry registry(services_.registry);
  registry.SetRootKey(Root());
  registry.OpenKey(KeyPath(), true);
  if (registry.ValueExists("NoUpdate")) {
    view_.SetChecked(StatusRadio::RadioButton_NoAutoUpdt, true);
  } else {
    view_.SetChecked(StatusRadio::RadioButton_NoAutoUpdt, false);
  }
  view_.SetSpinValue(registry.ValueExists("UpdateInterval") ? registry.ReadInteger("UpdateInterval")
                                                            : kDefaultInterval);
  registry.CloseKey();
  RadioButton_UpdtClick();
  view_.SetVisible(StatusControl::Button_Settings, false);
  view_.SetText(StatusControl::Panel_Title, texts::kSettingsTitle);
  view_.ShowButtonPage(StatusButtonPage::Einstellungen);
  view_.ShowPage(6);
  settingsShowing_ = true;
}

void TStatusForm::RadioButton_UpdtClick() {
  const bool regular = view_.IsChecked(StatusRadio::RadioButton_AutoUpdt);
  for (StatusControl control : {StatusControl::Label_Every, StatusControl::SpinEdit_AutoUpdt, StatusControl::Label_Days}) {
    view_.SetEnabled(control, regular);
  }
}

void TStatusForm::Button_SettingsSaveClick() {
  Registry registry(services_.registry);
  registry.SetRootKey(Root());
  registry.OpenKey(KeyPath(), true);
  if (view_.IsChecked(StatusRadio::RadioButton_NoAutoUpdt)) {
    if (registry.ValueExists("UpdateInterval")) registry.DeleteValue("UpdateInterval");
    registry.WriteString("NoUpdate", "");
  } else {
    if (registry.ValueExists("NoUpdate")) registry.DeleteValue("NoUpdate");
    registry.WriteInteger("UpdateInterval", view_.SpinValue());
  }
  registry.CloseKey();
  Button_SettingsCancelClick();
}

void TStatusForm::Button_SettingsCancelClick() {
  settingsShowing_ = false;
  const int step = stepCounter_ < 6 ? stepCounter_ : 5;
  view_.SetText(StatusControl::Panel_Title, texts::kStepTitles[step]);
  view_.ShowPage(page_ = step);
  view_.ShowButtonPage(StatusButtonPage::Standard);
  view_.SetVisible(StatusControl::Button_Settings, true);
}

void TStatusForm::FormDestroy() {
  // The list copy is ours alone: it goes whatever the check found.
  services_.list.Close();
  if (!updateListCopy_.empty()) services_.files.DeleteFile(updateListCopy_);
  updateListCopy_.clear();

  const bool nothingNew = page_ == 3 && !cancelEnabled_;
  if (installPrepared_ || nothingNew) {
    Registry registry(services_.registry);
    registry.SetRootKey(Root());
    registry.OpenKey(KeyPath(), true);
    int interval = kDefaultInterval;
    if (registry.ValueExists("UpdateInterval")) {
      const int stored = registry.ReadInteger("UpdateInterval");
      if (stored >= 1) interval = stored;
    }
    registry.WriteBinaryData("Update", DateBytes(services_.calendar.Today() + interval - 1));
    registry.CloseKey();
  }
  if (installPrepared_) services_.scripts.RunDetached(tempFolder_ + "Update.bat");
}

void TStatusForm::PaintBox_ProcessPaint(SidePanelCanvas& canvas, int width, int height) {
  constexpr Color kStart = MakeColor(155, 183, 230);
  constexpr Color kWhite = MakeColor(255, 255, 255);
  for (int x = 0; x <= width; ++x) canvas.VerticalLine(x, height, BlendColor(kStart, kWhite, x, width));
  for (int i = 0; i < 6; ++i) canvas.Text(16, 16 + 56 * i, texts::kStepTitles[i], i == stepCounter_);
}

void TStatusForm::SetNextEnabled(bool enabled) { view_.SetEnabled(StatusControl::Button_Next, enabled); }

void TStatusForm::SetCancelEnabled(bool enabled) {
  cancelEnabled_ = enabled;
  view_.SetEnabled(StatusControl::Button_Cancel, enabled);
}

}  // namespace sorvane
