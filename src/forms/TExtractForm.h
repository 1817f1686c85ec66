#pragma once

#include <cstdint>
#include <string>

#include "forms/ExtractFormView.h"
#include "platform/Clock.h"
#include "platform/Locale.h"

namespace sorvane {

// The progress window of a long extraction ("E&xtrahieren", "Aus&führen"):
// the member being written, members and bytes done of all, and "Abbrechen".
// A short extraction never shows it: it comes once the writing has gone on
// for kShowAfterMs. The extraction reports to it as it goes and asks
// Cancelled() between blocks; "Abbrechen" only sets that flag, so the
// extraction itself decides where it stops.
class TExtractForm {
 public:
  static constexpr std::int64_t kShowAfterMs = 500;
  // Texts and bar take a new state at most this often: a hundred thousand
  // small members would otherwise set a label for every one of them.
  static constexpr std::int64_t kRefreshMs = 100;

  TExtractForm(ExtractFormView& view, Clock& clock, Locale& locale) : view_(view), clock_(clock), locale_(locale) {}

  // A new extraction of members members with bytes bytes in all (the sizes
  // the member list shows).
  void Start(std::int32_t members, std::int64_t bytes);
  // name is UTF-8.
  void MemberStarts(const std::string& name);
  void BytesWritten(std::int64_t bytes);
  void MemberDone();
  // A question (folder, overwrite) comes up: the window goes out of its
  // way, and the time the user takes to answer does not count towards
  // showing it.
  void PauseForQuestion();
  // The extraction is over, completed or not.
  void Finish();

  bool Visible() const { return shown_; }
  bool Cancelled() const { return cancelled_; }

  void Button_CancelClick();
  // A request to close the window counts as "Abbrechen"; the window itself
  // stays until the extraction has stopped.
  bool FormCloseQuery() {
    Button_CancelClick();
    return false;
  }

 private:
  // Shows the window when its time has come, and brings its texts up to
  // date while it is shown.
  void Update();
  std::string CountText() const;

  ExtractFormView& view_;
  Clock& clock_;
  Locale& locale_;
  std::int32_t members_ = 0, membersDone_ = 0;
  std::int64_t bytes_ = 0, bytesDone_ = 0;
  std::string name_;
  std::int64_t startMs_ = 0, refreshedMs_ = 0;
  bool running_ = false, shown_ = false, paused_ = false, cancelled_ = false;
};

}  // namespace sorvane
