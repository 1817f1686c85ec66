#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <thread>

#include "platform/FormatSize.h"
#include "platform/FormatTime.h"
#include "components/update/StatusFormTexts.h"
#include "components/update/TStatusForm.h"

namespace sorvane {
namespace {

// The question sound of MessageBeep.
constexpr unsigned kQuestionSound = 0x20;

}  // namespace

void TStatusForm::RunDownloadStep() {
  const BusyScope busy(busy_);
  SetNextEnabled(false);
  // A retry or a later showing starts from an empty display.
  view_.SetText(StatusControl::Label_Download, texts::kDownloadPage);
  view_.SetProgress(100, 0);
  for (StatusControl label : {StatusControl::PerCent, StatusControl::StatusLabel, StatusControl::TimeLeft}) {
    view_.SetText(label, "");
  }
  view_.SetVisible(StatusControl::CancelDownload, true);
  view_.SetEnabled(StatusControl::CancelDownload, true);
  view_.SetText(StatusControl::CancelDownload, texts::kCancelDownload);
  services_.pump.ProcessMessages();

  const bool completed = DownloadArchive();
  if (completed) {
    view_.SetText(StatusControl::Label_Download, texts::kCompleted);
    view_.SetVisible(StatusControl::CancelDownload, false);
    SetNextEnabled(true);
  } else {
    view_.SetText(StatusControl::Label_Download,
                  refusal_.empty() ? std::string(texts::kNotCompleted) : refusal_ + "\r\n\r\n" + texts::kNotCompleted);
    view_.SetText(StatusControl::CancelDownload, texts::kRetry);
  }
  if (closeWanted_) {
    closeWanted_ = false;
    CloseWindow();
  }
}

bool TStatusForm::DownloadArchive() {
  UpdateHttp& http = services_.http;
  const std::string archive = ArchivePath();
  refusal_.clear();
  downloadFailed_ = false;
  startTime_ = services_.calendar.Now();
  progressShown_ = false;
  http.OnBlockReceived = [this] { OnUpdateTimer(); };
  downloading_ = true;
  bool failed = false;
  try {
    const std::string file = services_.list.File(values_.programName);
    http.Get("http://" + http.Host() + "/Updates/" + file, archive);
  } catch (const std::exception&) {
    failed = true;
  }
  downloading_ = false;
  http.OnBlockReceived = nullptr;
  // The throttle may have held back the last block, and with an unknown
  // or untrue size no block is known to be the last while it arrives.
  if (progressShown_ && (DownloadTotal() != shownTotal_ || http.ReceivedBytes() != shownReceived_)) {
    ShowProgress(DownloadTotal(), http.ReceivedBytes());
  }

  if (downloadAborted_) {
    // The user may still click "Download abbrechen" meanwhile; the button
    // rests until the file is gone.
    view_.SetEnabled(StatusControl::CancelDownload, false);
    WaitPumping(kAbortWaitMs);
    view_.SetEnabled(StatusControl::CancelDownload, true);
    if (downloadAborted_) services_.files.DeleteFile(archive);
    return false;
  }
  // A failed exchange, an error answer, a body of another length than the
  // list's, or one the server announced so, is no archive to install.
  const std::int64_t expected = http.ExpectedBytes();
  if (failed || downloadFailed_ || (expected > 0 && expected != announcedSize_) ||
      http.ReceivedBytes() != announcedSize_) {
    services_.files.DeleteFile(archive);
    return false;
  }
  refusal_ = services_.list.RefuseArchive(values_.programName, archive);
  if (!refusal_.empty()) {
    services_.files.DeleteFile(archive);
    return false;
  }
  return true;
}

void TStatusForm::WaitPumping(std::int64_t ms) {
  const std::int64_t start = services_.clock.NowMs();
  while (services_.clock.NowMs() - start < ms) {
    services_.pump.ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void TStatusForm::OnUpdateTimer() {
  services_.pump.ProcessMessages();
  UpdateHttp& http = services_.http;
  const std::int64_t total = DownloadTotal();
  const std::int64_t received = http.ReceivedBytes();
  // Blocks come every few microseconds on a fast line, faster than anyone
  // reads; the display takes a new state at a steady pace and on the last
  // block.
  const std::int64_t nowMs = services_.clock.NowMs();
  const bool last = total > 0 && received >= total;
  if (last || !progressShown_ || nowMs - progressShownMs_ >= kProgressIntervalMs) {
    progressShownMs_ = nowMs;
    ShowProgress(total, received);
  }
  // More than the list's size, or a server that says it sends another
  // length, ends the transfer at once: the disk takes no more than the
  // maker signed for.
  const std::int64_t expected = http.ExpectedBytes();
  const bool untrue = received > announcedSize_ || (expected > 0 && expected != announcedSize_);
  if (untrue) downloadFailed_ = true;
  if (cancelRequested_ || untrue) {
    try {
      http.Abort();
    } catch (const std::exception&) {
    }
    if (cancelRequested_) downloadAborted_ = true;
  }
}

std::int64_t TStatusForm::DownloadTotal() {
  const std::int64_t expected = services_.http.ExpectedBytes();
  return expected > 0 ? expected : announcedSize_;
}

void TStatusForm::ShowProgress(std::int64_t total, std::int64_t received) {
  progressShown_ = true;
  shownTotal_ = total;
  shownReceived_ = received;
  // With an unknown size (0) the estimate would be minus the time elapsed:
  // no time is known to be left.
  double remaining = 0;
  if (startTime_ != 0 && received > 0 && total > 0) {
    const double elapsed = services_.calendar.Now() - startTime_;
    remaining = std::max(0.0, static_cast<double>(total) / static_cast<double>(received) * elapsed - elapsed);
  }
  view_.SetProgress(total, received);
  // The runtime's Round: halves to the even neighbour.
  view_.SetText(StatusControl::PerCent,
                total != 0 ? std::to_string(static_cast<std::int64_t>(std::nearbyint(
                                 static_cast<double>(received) / static_cast<double>(total) * 100))) +
                                 " %"
                           : std::string("100 %"));
  const std::string separator = services_.locale.DecimalSeparator();
  view_.SetText(StatusControl::StatusLabel, FormatSize(1, false, received, separator) + " von " +
                                                FormatSize(1, false, total, separator) + " gedownloadet");
  view_.SetText(StatusControl::TimeLeft,
                "verbleibende Zeit: " + FormatTime(services_.locale.LongTimeFormat(), remaining));
}

void TStatusForm::CancelDownloadClick() {
  if (downloading_) {
    AskAbort();
    return;
  }
  // "Erneut versuchen": the download from the start, once the last one has
  // wholly ended (its abort wait lets clicks in).
  if (busy_) return;
  stepCounter_ = 2;
  downloadAborted_ = false;
  cancelRequested_ = false;
  Button_NextClick();
}

bool TStatusForm::AskAbort() {
  services_.dialogs.MessageBeep(kQuestionSound);
  if (services_.dialogs.AskYesNo(texts::kAbortQuestion, texts::kConfirmTitle, MessageIcon::Question) !=
      DialogAnswer::Yes) {
    return false;
  }
  cancelRequested_ = true;
  return true;
}

}  // namespace sorvane
