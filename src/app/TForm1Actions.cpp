// Page 2: "E&xtrahieren" and "Aus&führen".
#include "app/TForm1.h"

#include "platform/FilePath.h"

namespace sorvane {
namespace {

constexpr int kShowNormal = 1;

}  // namespace

std::string TForm1::ExtractTicked(bool stopOnCancel) {
  extraction_.ExtractFolder.clear();
  std::string last;
  for (int row = 0; row < files_.Count(); ++row) {
    if (!files_.IsTicked(row)) continue;
    // Entries stand for names: two entries of one name both reach the
    // first member of that name.
    last = extraction_.ExtractMember(catalogue_.FindMember(files_.Name(row)), extraction_.ExtractFolder, false);
    if (stopOnCancel && last == CancelMarker) break;
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
