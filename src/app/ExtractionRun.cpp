#include "app/ExtractionRun.h"

namespace sorvane {

ExtractionRun::ExtractionRun(Form1View& mainWindow, TExtractForm& progress, MessagePump& pump, std::int32_t members,
                             std::int64_t bytes)
    : main_(mainWindow), progress_(progress), pump_(pump) {
  progress_.Start(members, bytes);
}

ExtractionRun::~ExtractionRun() {
  progress_.Finish();
  SetMainWindowEnabled(true);
}

void ExtractionRun::Asking() {
  progress_.PauseForQuestion();
  // A question's own modal loop disables its owner and enables it again,
  // and the Windows shell's folder browser enables it whatever it was
  // before: the main window is handed back for the question and taken again
  // for the writing.
  SetMainWindowEnabled(true);
}

void ExtractionRun::MemberStarts(const std::string& name, std::int64_t size) {
  memberSize_ = size;
  memberWritten_ = 0;
  progress_.MemberStarts(name);
  Turn();
}

void ExtractionRun::BytesWritten(std::int64_t bytes) {
  memberWritten_ += bytes;
  progress_.BytesWritten(bytes);
  pump_.ProcessMessages();
  // A member whose last block has just been written is kept whole; the
  // stop comes before the next one. A size the list states wrongly only
  // moves the stop to a block boundary or to the member's end.
  if (progress_.Cancelled() && memberWritten_ < memberSize_) throw ExtractionStopped{};
}

void ExtractionRun::MemberDone() {
  progress_.MemberDone();
  Turn();
}

void ExtractionRun::Turn() {
  // Also after a declined member, whose question gave the window back: a
  // click on it now would start a second extraction inside this one.
  SetMainWindowEnabled(false);
  pump_.ProcessMessages();
  if (progress_.Cancelled()) throw ExtractionStopped{};
}

void ExtractionRun::SetMainWindowEnabled(bool enabled) {
  if (mainDisabled_ != enabled) return;
  mainDisabled_ = !enabled;
  main_.SetWindowEnabled(enabled);
}

}  // namespace sorvane
