#pragma once

#include <cstdint>
#include <string>

#include "app/ExtractionWatch.h"
#include "app/Form1View.h"
#include "forms/TExtractForm.h"
#include "platform/MessagePump.h"

namespace sorvane {

// One extract or execute click as the windows see it, from its start to its
// end (the destructor, also when a failure ends the click): the progress
// window follows the members, messages run between blocks, and the main
// window is disabled while members are written, so no handler of it runs in
// the middle. A stop of the user leaves as ExtractionStopped at the end of
// the current block, or between members when that block was the member's
// last.
class ExtractionRun final : public ExtractionWatch {
 public:
  ExtractionRun(Form1View& mainWindow, TExtractForm& progress, MessagePump& pump, std::int32_t members,
                std::int64_t bytes);
  ~ExtractionRun() override;
  ExtractionRun(const ExtractionRun&) = delete;
  ExtractionRun& operator=(const ExtractionRun&) = delete;

  void Asking() override;
  void MemberStarts(const std::string& name, std::int64_t size) override;
  void BytesWritten(std::int64_t bytes) override;
  // A member has been dealt with (written, declined or refused).
  void MemberDone();

 private:
  // Lets messages run, then stops if the user asked for it meanwhile.
  void Turn();
  void SetMainWindowEnabled(bool enabled);

  Form1View& main_;
  TExtractForm& progress_;
  MessagePump& pump_;
  bool mainDisabled_ = false;
  std::int64_t memberSize_ = 0, memberWritten_ = 0;
};

}  // namespace sorvane
