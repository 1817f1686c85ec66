// Page 2: the ticks of the member list and the rule that enables the
// extract and execute buttons.
#include "app/TForm1.h"

namespace sorvane {

void TForm1::ApplyButtonRule() {
  bool anyTicked = false;
  for (std::size_t i = 0; i < fileNames_.size() && !anyTicked; ++i) {
    anyTicked = view_.IsFileChecked(static_cast<int>(i));
  }
  view_.SetEnabled(Form1Control::Button_Extract, anyTicked);
  view_.SetEnabled(Form1Control::Button_Execute, anyTicked);
}

void TForm1::ListView_FilesClick() { ApplyButtonRule(); }

void TForm1::ListView_FilesKeyPress(char key) {
  // Space toggles the selected entry's tick; other keys change none.
  if (key == ' ') ApplyButtonRule();
}

void TForm1::ListView_FilesMouseUp() { ApplyButtonRule(); }

void TForm1::Button_SelAllClick(std::string_view senderName) {
  SetTicks(senderName == "Button_SelAll");
  ApplyButtonRule();
}

void TForm1::SetTicks(bool ticked) {
  for (std::size_t i = 0; i < fileNames_.size(); ++i) view_.SetFileChecked(static_cast<int>(i), ticked);
}

}  // namespace sorvane
