// Page 1: the two login choices, the login step and the member list it
// builds.
#include "app/TForm1.h"

#include "app/Login.h"

namespace sorvane {
namespace {

constexpr int kPasswordMaxLength = 255;
constexpr char kFinishCaption[] = "Be&enden";

}  // namespace

void TForm1::RadioButton_LoggingIn() {
  view_.SetEnabled(Form1Control::Button_Next,
                   view_.IsChecked(Form1Radio::RadioButton_Guest) || view_.IsChecked(Form1Radio::RadioButton_LogIn));
}

void TForm1::Edit_UserNameChange() {
  // Typing means a user login; only a choice that actually changes runs the
  // click handler, as the control would.
  if (view_.SetChecked(Form1Radio::RadioButton_LogIn, true)) RadioButton_LoggingIn();
}

void TForm1::ClearEdit(Form1Edit edit) {
  view_.SetEditText(edit, "");
  // Clearing a field is an edit like any other.
  Edit_UserNameChange();
}

void TForm1::ResetLoginPage() {
  // The order matters: each clear chooses the user login, the unchecking
  // that follows (and the caller's disabling of "Weiter &>") undoes it.
  ClearEdit(Form1Edit::Edit_UserName);
  ClearEdit(Form1Edit::Edit_Password);
  view_.SetChecked(Form1Radio::RadioButton_Guest, false);
  view_.SetChecked(Form1Radio::RadioButton_LogIn, false);
}

bool TForm1::LoginStep() {
  CodePage& codePage = services_.codePage;
  LoginOutcome outcome;
  if (view_.IsChecked(Form1Radio::RadioButton_LogIn)) {
    // Accounts are ANSI bytes: what the user typed is converted before the
    // exact comparison, so an umlaut typed in UTF-8 matches.
    outcome = LogInAsUser(catalogue_, codePage.Utf8ToAnsi(view_.EditText(Form1Edit::Edit_UserName)),
                          codePage.Utf8ToAnsi(view_.EditText(Form1Edit::Edit_Password)));
  } else if (view_.IsChecked(Form1Radio::RadioButton_Guest)) {
    AnsiString password;
    if (GuestNeedsPassword(catalogue_)) {
      const std::optional<std::string> typed = services_.dialogs.InputQuery(
          login_texts::kPasswordQueryTitle, login_texts::kPasswordQueryPrompt, "", kPasswordMaxLength);
      if (!typed) return false;  // cancelled: no message, the page stays
      password = codePage.Utf8ToAnsi(*typed);
    }
    outcome = LogInAsGuest(catalogue_, password);
  } else {
    return false;  // neither choice: "Weiter &>" is disabled then
  }
  if (!outcome.Accepted()) {
    services_.dialogs.ShowMessage(outcome.Message, login_texts::kMessageTitle, MessageIcon::Warning);
    return false;
  }
  BuildMemberList(outcome.Column);
  view_.SetVisible(Form1Control::Button_Cancel, false);
  view_.SetText(Form1Control::Button_Next, kFinishCaption);
  return true;
}

void TForm1::BuildMemberList(std::int32_t column) {
  // Sorted by the locale's word order, members of one name in file order;
  // a column outside the flags sees nothing.
  files_.Fill(ListVisibleMembers(catalogue_, column, services_.locale));
  view_.ShowFiles(files_);
  // Nothing is ticked yet.
  view_.SetEnabled(Form1Control::Button_Extract, false);
  view_.SetEnabled(Form1Control::Button_Execute, false);
}

}  // namespace sorvane
