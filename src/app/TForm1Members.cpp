// Page 2: the ticks of the member list and the rule that enables the
// extract and execute buttons. The ticks live in files_; the list reports
// a tick made by click or Space there before these handlers run.
#include "app/TForm1.h"

namespace sorvane {

void TForm1::ApplyButtonRule() {
  const bool anyTicked = files_.AnyTicked();
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
  files_.SetAllTicked(senderName == "Button_SelAll");
  view_.RefreshFiles();
  ApplyButtonRule();
}

}  // namespace sorvane
