// Page 2: "E&xtrahieren" and "Aus&führen".
#include "app/TForm1.h"

#include "app/ExtractionRun.h"
#include "platform/FilePath.h"

namespace sorvane {
namespace {

constexpr int kShowNormal = 1;

// The extraction's watch, for the length of one click.
class WatchScope {
 public:
  WatchScope(MemberExtraction& extraction, ExtractionWatch& watch) : extraction_(extraction) {
    extraction_.SetWatch(&watch);
  }
  ~WatchScope() { extraction_.SetWatch(nullptr); }
  WatchScope(const WatchScope&) = delete;
  WatchScope& operator=(const WatchScope&) = delete;

 private:
  MemberExtraction& extraction_;
};

}  // namespace

std::string TForm1::ExtractTicked(bool stopOnCancel) {
  extraction_.ExtractFolder.clear();
  extraction_.OverwriteAll.reset();
  // The totals come from the entries themselves: a lookup by name for each
  // would cost as much again as the extraction, before any window shows.
  std::int32_t members = 0;
  std::int64_t bytes = 0;
  for (int row = 0; row < files_.Count(); ++row) {
    if (!files_.IsTicked(row)) continue;
    ++members;
    bytes += files_.Size(row);
  }
  const ScopedFlag extracting(busy_);
  ExtractionRun run(view_, extractForm_, pump_, members, bytes);
  const WatchScope watching(extraction_, run);
  std::string last;
  try {
    for (int row = 0; row < files_.Count(); ++row) {
      if (!files_.IsTicked(row)) continue;
      // Entries stand for names: two entries of one name both reach the
      // first member of that name.
      last = extraction_.ExtractMember(catalogue_.FindMember(files_.Name(row)), extraction_.ExtractFolder, false);
      if (stopOnCancel && last == CancelMarker) break;
      run.MemberDone();
    }
  } catch (const ExtractionStopped&) {
    // Stopped by the user: what was written stays, nothing is opened, and
    // there is nothing to report.
    return CancelMarker;
  }
  return last;
}

void TForm1::Button_ExtractClick() { ExtractTicked(true); }

void TForm1::Button_ExecuteClick() {
  // A cancelled folder choice leaves ExtractFolder empty, so the next
  // ticked member asks again.
  const std::string last = ExtractTicked(false);
  if (last.empty() || last == CancelMarker) return;
  services_.shell.Open(last, "", ExtractFilePath(last), kShowNormal);
}

}  // namespace sorvane
