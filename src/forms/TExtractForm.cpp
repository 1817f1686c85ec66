#include "forms/TExtractForm.h"

#include <algorithm>

#include "platform/FormatSize.h"

namespace sorvane {

void TExtractForm::Start(std::int32_t members, std::int64_t bytes) {
  members_ = members;
  bytes_ = bytes;
  membersDone_ = 0;
  bytesDone_ = 0;
  name_.clear();
  startMs_ = clock_.NowMs();
  running_ = true;
  shown_ = paused_ = cancelled_ = false;
  view_.SetCancelEnabled(true);
}

void TExtractForm::MemberStarts(const std::string& name) {
  name_ = name;
  Update();
}

void TExtractForm::BytesWritten(std::int64_t bytes) {
  bytesDone_ += bytes;
  Update();
}

void TExtractForm::MemberDone() {
  ++membersDone_;
  Update();
}

void TExtractForm::PauseForQuestion() {
  if (!running_ || paused_) return;
  paused_ = true;
  // The window stays on top: over a question it would hide the question.
  if (shown_) view_.Hide();
}

void TExtractForm::Finish() {
  if (shown_ && !paused_) view_.Hide();
  running_ = shown_ = paused_ = false;
}

void TExtractForm::Button_CancelClick() {
  if (!running_ || cancelled_) return;
  cancelled_ = true;
  // The stop comes at the end of the current block; a second click would
  // only suggest that the first went unheard.
  view_.SetCancelEnabled(false);
}

void TExtractForm::Update() {
  if (!running_) return;
  const std::int64_t now = clock_.NowMs();
  bool show = false;
  if (paused_) {
    paused_ = false;
    if (shown_) {
      show = true;
    } else {
      startMs_ = now;
    }
  }
  if (!shown_ && now - startMs_ >= kShowAfterMs) shown_ = show = true;
  if (!shown_ || (!show && now - refreshedMs_ < kRefreshMs)) return;
  refreshedMs_ = now;
  view_.SetFileText(name_);
  view_.SetCountText(CountText());
  // The sizes are those the list shows, which a container may state wrongly:
  // the bar never runs past its end.
  const std::int64_t perMille =
      bytes_ > 0 ? bytesDone_ * 1000 / bytes_ : (members_ > 0 ? std::int64_t{membersDone_} * 1000 / members_ : 0);
  view_.SetProgressPosition(static_cast<std::int32_t>(std::clamp<std::int64_t>(perMille, 0, 1000)));
  if (show) view_.Show();
}

std::string TExtractForm::CountText() const {
  const std::string separator = locale_.DecimalSeparator();
  return std::to_string(membersDone_) + " von " + std::to_string(members_) + " Dateien, " +
         FormatSize(1, false, std::min(bytesDone_, bytes_), separator) + " von " +
         FormatSize(1, false, bytes_, separator);
}

}  // namespace sorvane
