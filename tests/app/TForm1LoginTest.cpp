// Page 1: the two choices, the login step with its messages, and the
// member list it builds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Login.h"
#include "support/WizardFixture.h"

namespace sorvane {
namespace {

using C = Form1Control;
using R = Form1Radio;
using E = Form1Edit;
using ::testing::ElementsAre;

constexpr char kTitle[] = "Ungültige oder unvollständige Angaben";

class LoginPageTest : public WizardFixture {
 protected:
  void Load(const std::vector<ContainerAccount>& accounts, const std::vector<TestMember>& members) {
    AddContainer("/prog/K.zvq", accounts, members);
    StartAndLoad("K.zvq");
  }
  // Types into the fields as the user would (each change runs the handler).
  void Type(E edit, const std::string& text) {
    view.UserType(edit, text);
    form.Edit_UserNameChange();
  }
  void ChooseGuest() {
    view.UserCheck(R::RadioButton_Guest);
    form.RadioButton_LoggingIn();
  }
  // The one message the last step showed, or "" when none.
  std::string Refusal() {
    if (dialogs.messages.empty()) return {};
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.back().title, kTitle);
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Warning);
    std::string text = dialogs.messages.back().text;
    dialogs.messages.clear();
    return text;
  }

  const std::vector<ContainerAccount> accounts_ = {
      {"Gast", "", 2}, {"J\xFCrgen", "Gr\xFC\xDF" "e", 1}, {"", "", 1}, {"Weit", "", 7}};
  const std::vector<TestMember> members_ = {{"zebra.txt", {1, 0, 1, 0}, "z"},
                                            {"Apfel.txt", {1, 1, 0, 0}, std::string(1536, 'a')},
                                            {"apfel.txt", {0, 1, 0, 0}, "a"},
                                            {"\xC4rger.doc", {0, 1, 0, 0}, ""}};
};

TEST_F(LoginPageTest, ChoicesAndTypingEnableNext) {
  Load(accounts_, members_);
  EXPECT_FALSE(view.Enabled(C::Button_Next));
  ChooseGuest();
  EXPECT_TRUE(view.Enabled(C::Button_Next));

  // Typing after choosing the guest switches to the user login; the click
  // handler runs only for the change of choice.
  view.TakeLog();
  Type(E::Edit_Password, "x");
  EXPECT_TRUE(view.checked[R::RadioButton_LogIn]);
  EXPECT_FALSE(view.checked[R::RadioButton_Guest]);
  EXPECT_THAT(view.TakeLog(), ElementsAre("SetChecked RadioButton_LogIn 1", "SetEnabled Button_Next 1"));
  Type(E::Edit_Password, "xy");
  EXPECT_THAT(view.TakeLog(), ElementsAre("SetChecked RadioButton_LogIn 1"));

  // A direct call with neither choice ends silently.
  view.checked[R::RadioButton_LogIn] = false;
  form.RadioButton_LoggingIn();
  EXPECT_FALSE(view.Enabled(C::Button_Next));
  form.Button_NextClick();
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(Refusal(), "");
}

TEST_F(LoginPageTest, UserLoginMessagesKeepPageAndFields) {
  Load(accounts_, members_);
  Type(E::Edit_UserName, "");
  form.Button_NextClick();
  EXPECT_EQ(Refusal(), "Sie müssen einen Benutzernamen eingeben oder sich als Gast anmelden.")
      << "also when an account has an empty name";

  Type(E::Edit_UserName, "Jürgen ");
  form.Button_NextClick();
  EXPECT_EQ(Refusal(), "Der eingegebene Benutzername wurde vom Ersteller der Datei nicht eingetragen.");

  Type(E::Edit_UserName, "Jürgen");
  Type(E::Edit_Password, "grüße");
  form.Button_NextClick();
  EXPECT_EQ(Refusal(), "Das eingegebene Passwort ist nicht korrekt.");
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(view.edits[E::Edit_UserName], "Jürgen");
  EXPECT_EQ(view.edits[E::Edit_Password], "grüße");
  EXPECT_TRUE(view.checked[R::RadioButton_LogIn]);
  EXPECT_EQ(dialogs.Count("InputQuery"), 0);
}

TEST_F(LoginPageTest, UmlautAccountTypedInUtf8SeesItsColumnSorted) {
  Load(accounts_, members_);
  LogInAsUser("Jürgen", "Grüße");
  // Column 1 in the locale's word order (the fake's: letters without regard
  // to case, lower case first when the words are otherwise equal).
  EXPECT_THAT(view.FileCaptions(), ElementsAre("apfel.txt", "Apfel.txt", "\xC3\x84rger.doc"));
  EXPECT_EQ(view.files[1].size, "1,5 KB");
  EXPECT_EQ(view.files[2].size, "0 Byte");
  EXPECT_FALSE(view.files[0].checked);
  EXPECT_FALSE(view.visible[C::Button_Cancel]);
  EXPECT_EQ(view.text[C::Button_Next], "Be&enden");
  EXPECT_EQ(view.page, 2);
}

TEST_F(LoginPageTest, GuestWithoutPasswordSeesColumnZeroWithoutAQuery) {
  Load(accounts_, members_);
  LogInAsGuest();
  EXPECT_THAT(view.FileCaptions(), ElementsAre("Apfel.txt", "zebra.txt")) << "not the guest account's column 2";
  EXPECT_EQ(dialogs.Count("InputQuery"), 0);
  EXPECT_FALSE(view.Enabled(C::Button_Extract));
  EXPECT_FALSE(view.Enabled(C::Button_Execute));
}

TEST_F(LoginPageTest, GuestPasswordIsAskedAndComparedExactly) {
  std::vector<ContainerAccount> accounts = accounts_;
  accounts[0].Password = "T\xF6r";
  Load(accounts, members_);
  ChooseGuest();
  view.UserType(E::Edit_UserName, "ignored");  // the fields play no part for a guest

  dialogs.inputAnswers = {std::nullopt};
  form.Button_NextClick();
  EXPECT_EQ(dialogs.log.back(),
            "InputQuery Passwort erforderlich|Geben Sie zum Öffnen der Dateien das erforderliche Passwort ein.||255");
  EXPECT_EQ(Refusal(), "") << "a cancelled query ends the step silently";
  EXPECT_EQ(form.PageIndex(), 1);

  dialogs.inputAnswers = {"tör"};
  form.Button_NextClick();
  EXPECT_EQ(Refusal(), "Das eingegebene Passwort ist nicht korrekt.");

  dialogs.inputAnswers = {"Tör"};
  form.Button_NextClick();
  EXPECT_EQ(Refusal(), "");
  EXPECT_EQ(form.PageIndex(), 2);
}

TEST_F(LoginPageTest, ContainerWithoutAccountsRefusesTheGuestClearly) {
  Load({}, {{"a.txt", {}, "a"}});
  ChooseGuest();
  form.Button_NextClick();
  EXPECT_EQ(Refusal(), login_texts::kNoGuestAccount);
  EXPECT_EQ(form.PageIndex(), 1);
}

TEST_F(LoginPageTest, AccountColumnOutsideTheFlagsSeesNothing) {
  Load(accounts_, members_);
  LogInAsUser("Weit", "");
  EXPECT_TRUE(view.files.empty());
  EXPECT_FALSE(view.Enabled(C::Button_Extract));
  EXPECT_FALSE(view.Enabled(C::Button_Execute));
}

TEST_F(LoginPageTest, BackAndLoginAsAnotherAccountRebuildsWithoutReloading) {
  Load(accounts_, members_);
  LogInAsGuest();
  form.Button_BackClick();
  const std::size_t waitCalls = waitView.log.size();
  LogInAsUser("Jürgen", "Grüße");
  EXPECT_EQ(view.files.size(), 3u);
  EXPECT_EQ(waitView.log.size(), waitCalls) << "the container is not loaded again";
}

}  // namespace
}  // namespace sorvane
