#include <gtest/gtest.h>

#include "StatusFormRig.h"
#include "components/update/StatusFormTexts.h"

namespace sorvane {
namespace {

using C = StatusControl;

TEST(StatusFormSteps, WholeUpdateFromWelcomeToTheEnd) {
  StatusFormRig rig;
  EXPECT_EQ(rig.view.page, 0);
  EXPECT_EQ(rig.Text(C::Panel_Title), "Willkommen");

  rig.form.Button_NextClick();
  EXPECT_EQ(rig.view.page, 1);
  EXPECT_FALSE(rig.view.Enabled(C::Button_Next)) << "the check button moves on";

  rig.form.Button_CheckClick();
  EXPECT_EQ(rig.view.page, 2);
  EXPECT_EQ(rig.Text(C::Panel_Title), "Ergebnis der Prüfung");
  EXPECT_EQ(rig.Text(C::Label_CheckResult), FormatText(texts::kUpdateAvailable, "- neu\r\n"));
  EXPECT_TRUE(rig.view.Enabled(C::Button_Next));
  EXPECT_EQ(rig.http.urls.at(0), StatusFormRig::kList);
  EXPECT_EQ(rig.form.UpdateListCopy(), "/tmp/user/$1.tmp");

  rig.form.Button_NextClick();
  EXPECT_EQ(rig.view.page, 3);
  EXPECT_EQ(rig.http.urls.at(1), StatusFormRig::kArchive);
  EXPECT_EQ(rig.files.FileBytes("/tmp/user/ZVQ2.zip"), "PK-archive");
  EXPECT_EQ(rig.Text(C::Label_Download), texts::kCompleted);
  EXPECT_FALSE(rig.view.visible[C::CancelDownload]);
  EXPECT_TRUE(rig.view.Enabled(C::Button_Next));

  rig.form.Button_NextClick();
  EXPECT_EQ(rig.view.page, 4);
  rig.view.restart = false;
  rig.form.Button_NextClick();
  EXPECT_EQ(rig.installation.restarts, std::vector<bool>{false});
  EXPECT_EQ(rig.list.checkedProgram, "ZVQ");
  EXPECT_EQ(rig.installation.unpacked, "PK-archive") << "the checked copy";
  EXPECT_TRUE(rig.form.InstallPrepared());
  EXPECT_EQ(rig.view.page, 5);
  EXPECT_EQ(rig.Text(C::Button_Next), "Beenden");
  EXPECT_FALSE(rig.view.Enabled(C::Button_Cancel));

  rig.form.Button_NextClick();
  EXPECT_EQ(rig.application.terminated, 1);
  EXPECT_EQ(rig.view.page, 5) << "nothing further is shown";

  rig.form.FormDestroy();
  EXPECT_FALSE(rig.files.HasFile("/tmp/user/$1.tmp"));
  EXPECT_EQ(rig.UpdateValue(), rig.calendar.Today() + 7 - 1);
  EXPECT_EQ(rig.scripts.started, std::vector<std::string>{"/tmp/user/Update.bat"});
}

TEST(StatusFormSteps, NoUpdateEndsWithBeendenAndSchedulesTheNextReminder) {
  for (bool closeBox : {false, true}) {
    StatusFormRig rig;
    rig.list.date = rig.calendar.Today() - 20;  // older than the installed program
    rig.Check();
    EXPECT_EQ(rig.Text(C::Label_CheckResult), texts::kNoUpdate);
    EXPECT_EQ(rig.Text(C::Button_Next), "Beenden");
    EXPECT_FALSE(rig.view.Enabled(C::Button_Cancel));
    if (closeBox) {
      ASSERT_TRUE(rig.form.FormCloseQuery());
      rig.form.FormClose();
    } else {
      rig.form.Button_NextClick();
      EXPECT_EQ(rig.view.closes, 1);
      EXPECT_EQ(rig.http.urls.size(), 1u) << "nothing is downloaded";
    }
    rig.form.FormDestroy();
    EXPECT_EQ(rig.Value("Update").has_value(), !closeBox);
    // The list copy goes in every case.
    EXPECT_FALSE(rig.files.HasFile("/tmp/user/$1.tmp"));
    EXPECT_TRUE(rig.scripts.started.empty());
  }
}

TEST(StatusFormSteps, UpdateIsOfferedOnlyForASectionDatedFromTheProgramsDayOn) {
  StatusFormRig rig;
  rig.list.section = false;
  rig.Check();
  EXPECT_FALSE(rig.form.UpdateAvailable());

  // The release day of the installed file counts only at midnight.
  StatusFormRig sameDay;
  sameDay.list.date = sameDay.calendar.Today() - 11;
  sameDay.form.SetValues({"ZVQ", "ZVQ2.zip", "Sorvane", sameDay.calendar.Today() - 11 + 0.5, false});
  sameDay.Check();
  EXPECT_FALSE(sameDay.form.UpdateAvailable());
}

TEST(StatusFormSteps, AnUntrustedHostOrAnArchiveOfUnknownSizeIsNoOfferAndSaysWhy) {
  StatusFormRig untrusted;
  untrusted.list.hostRefusal = "Nicht von diesem Server.";
  untrusted.Check();
  EXPECT_TRUE(untrusted.http.urls.empty()) << "the server is not even asked";
  EXPECT_EQ(untrusted.Text(C::Label_CheckResult), std::string("Nicht von diesem Server.\r\n\r\n") + texts::kNoUpdate);
  EXPECT_EQ(untrusted.Text(C::Button_Next), "Beenden");

  StatusFormRig unsized;
  unsized.list.size.reset();
  unsized.Check();
  EXPECT_FALSE(unsized.form.UpdateAvailable());
  EXPECT_EQ(unsized.Text(C::Label_CheckResult), std::string(texts::kNoArchiveSize) + "\r\n\r\n" + texts::kNoUpdate);
  unsized.form.Button_NextClick();
  EXPECT_EQ(unsized.http.urls.size(), 1u) << "nothing is downloaded";
}

TEST(StatusFormSteps, FailedCheckWarnsAndStaysOnTheCheckPage) {
  auto check = [](const std::function<void(StatusFormRig&)>& breakIt) {
    StatusFormRig rig;
    breakIt(rig);
    rig.Check();
    EXPECT_EQ(rig.view.page, 1);
    EXPECT_EQ(rig.form.StepCounter(), 1);
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].text, "Es besteht keine Internetverbindung.");
    EXPECT_EQ(rig.dialogs.messages[0].title, "Internetverbindung erforderlich");
    EXPECT_EQ(rig.dialogs.messages[0].icon, MessageIcon::Warning);
  };
  check([](StatusFormRig& rig) { rig.list.connected = false; });
  check([](StatusFormRig& rig) { rig.http.answers.clear(); });
  check([](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kList].status = 404; });

  // Trying again after a failure works, and the earlier copy does not stay.
  StatusFormRig rig;
  rig.http.answers[StatusFormRig::kList].status = 404;
  rig.Check();
  rig.http.answers[StatusFormRig::kList].status = 200;
  rig.form.Button_CheckClick();
  EXPECT_EQ(rig.view.page, 2);
  EXPECT_FALSE(rig.files.HasFile("/tmp/user/$1.tmp"));
  EXPECT_TRUE(rig.files.HasFile("/tmp/user/$2.tmp"));
}

TEST(StatusFormSteps, ClicksLetInByARunningCheckOrDownloadStartNothing) {
  StatusFormRig rig;
  rig.form.Button_NextClick();
  // The second click of a double click arrives while the list is on its way.
  rig.http.onWait = [&] { rig.form.Button_CheckClick(); };
  rig.form.Button_CheckClick();
  EXPECT_TRUE(rig.dialogs.messages.empty());
  EXPECT_EQ(rig.form.StepCounter(), 2);
  EXPECT_EQ(rig.view.page, 2);

  rig.pump.onTurn = [&] {
    rig.form.Button_NextClick();
    rig.form.Button_CheckClick();
  };
  rig.form.Button_NextClick();
  EXPECT_EQ(rig.http.urls, (std::vector<std::string>{StatusFormRig::kList, StatusFormRig::kArchive}));
  EXPECT_EQ(rig.view.page, 3);
  EXPECT_EQ(rig.Text(C::Label_Download), texts::kCompleted);
}

TEST(StatusFormSteps, AListLargerThanOneMebibyteIsAFailedCheck) {
  struct Case {
    std::int64_t size, announced;
    bool taken;
  };
  for (const Case c : {Case{kMaxUpdateListBytes, -1, true}, Case{kMaxUpdateListBytes + 1, 0, false},
                       Case{2 * kMaxUpdateListBytes, -1, false}}) {
    StatusFormRig rig;
    rig.http.answers[StatusFormRig::kList] = {std::string(static_cast<std::size_t>(c.size), ';'), c.announced};
    rig.http.blockSize = 65536;
    rig.Check();
    EXPECT_EQ(rig.view.page, c.taken ? 2 : 1) << c.size;
    EXPECT_EQ(rig.dialogs.messages.size(), c.taken ? 0u : 1u);
    // An announced size too large stops the transfer at its first block.
    if (c.announced < 0 && !c.taken) {
      EXPECT_EQ(rig.http.received, 65536);
    }
  }
}

TEST(StatusFormSteps, FailingStepsLeaveTheWizardWhereItWas) {
  StatusFormRig rig;
  rig.list.news = "bad";
  rig.form.Button_NextClick();
  EXPECT_THROW(rig.form.Button_CheckClick(), Exception);
  EXPECT_EQ(rig.form.StepCounter(), 1);
  EXPECT_EQ(rig.view.page, 1);

  // A broken template: the install page stays and can be tried again.
  StatusFormRig broken;
  broken.Check();
  broken.form.Button_NextClick();
  broken.form.Button_NextClick();
  broken.installation.fail = true;
  EXPECT_THROW(broken.form.Button_NextClick(), Exception);
  EXPECT_EQ(broken.form.StepCounter(), 4);
  broken.installation.fail = false;
  // The archive's bytes fail the check before unpacking.
  broken.list.recheckRefusal = "Signatur";
  EXPECT_THROW(broken.form.Button_NextClick(), Exception);
  EXPECT_FALSE(broken.form.InstallPrepared());
  broken.list.recheckRefusal.clear();
  broken.form.Button_NextClick();
  EXPECT_TRUE(broken.form.InstallPrepared());
}

TEST(StatusFormSteps, MissingArchiveStopsOnTheInstallPage) {
  StatusFormRig rig;
  rig.Check();
  rig.form.Button_NextClick();
  rig.files.DeleteFile("/tmp/user/ZVQ2.zip");
  rig.form.Button_NextClick();
  rig.form.Button_NextClick();
  EXPECT_EQ(rig.view.page, 4);
  EXPECT_EQ(rig.Text(C::Label3), texts::kInstallFilesMissing);
  EXPECT_TRUE(rig.view.errorIcon2);
  EXPECT_FALSE(rig.view.Enabled(C::Button_Next));
  // Only "Abbrechen" remains, and closing then ends the program.
  rig.form.Button_CancelClick();
  EXPECT_EQ(rig.view.closes, 1);
  EXPECT_EQ(rig.application.terminated, 1);
  rig.form.FormDestroy();
  EXPECT_FALSE(rig.Value("Update").has_value());
  EXPECT_TRUE(rig.scripts.started.empty());
  // A later showing has the install page as designed again.
  rig.form.FormShow();
  EXPECT_EQ(rig.Text(C::Label3), texts::kInstallPage);
  EXPECT_FALSE(rig.view.errorIcon2);
}

TEST(StatusFormSteps, CancelOnTheWelcomePageWritesNothing) {
  StatusFormRig rig;
  rig.form.Button_CancelClick();
  EXPECT_EQ(rig.view.closes, 1);
  rig.form.FormClose();
  rig.form.FormDestroy();
  EXPECT_FALSE(rig.registry.KeyExists(RegistryRoot::LocalMachine, StatusFormRig::kKey));
  EXPECT_EQ(rig.application.terminated, 0);
}

TEST(StatusFormSettings, SaveNeverOrAnIntervalAndReturnToTheStep) {
  StatusFormRig rig;
  rig.form.Button_NextClick();
  rig.form.Button_SettingsClick();
  EXPECT_EQ(rig.view.page, 6);
  EXPECT_EQ(rig.view.buttonPage, StatusButtonPage::Einstellungen);
  EXPECT_EQ(rig.Text(C::Panel_Title), "Einstellungen");
  EXPECT_FALSE(rig.view.visible[C::Button_Settings]);
  EXPECT_EQ(rig.view.spin, 7);

  rig.view.SetChecked(StatusRadio::RadioButton_NoAutoUpdt, true);
  rig.form.RadioButton_UpdtClick();
  EXPECT_FALSE(rig.view.Enabled(C::SpinEdit_AutoUpdt));
  rig.form.Button_SettingsSaveClick();
  EXPECT_EQ(rig.Value("NoUpdate")->data, "");
  EXPECT_FALSE(rig.Value("UpdateInterval"));
  EXPECT_EQ(rig.view.page, 1);
  EXPECT_EQ(rig.Text(C::Panel_Title), "Auf neue Updates prüfen");
  EXPECT_TRUE(rig.view.visible[C::Button_Settings]);

  rig.form.Button_SettingsClick();
  EXPECT_TRUE(rig.view.IsChecked(StatusRadio::RadioButton_NoAutoUpdt));
  rig.view.SetChecked(StatusRadio::RadioButton_AutoUpdt, true);
  rig.form.RadioButton_UpdtClick();
  EXPECT_TRUE(rig.view.Enabled(C::SpinEdit_AutoUpdt));
  rig.view.spin = 14;
  rig.form.Button_SettingsSaveClick();
  EXPECT_FALSE(rig.Value("NoUpdate"));
  EXPECT_EQ(rig.Value("UpdateInterval")->data, std::string("\x0e\0\0\0", 4));

  // The saved interval is the one this run's teardown uses.
  rig.list.date = rig.calendar.Today() - 20;
  rig.form.Button_CheckClick();
  rig.form.Button_NextClick();
  rig.form.FormDestroy();
  EXPECT_EQ(rig.UpdateValue(), rig.calendar.Today() + 14 - 1);
}

TEST(StatusFormSettings, EscCancelsAndEnterSavesTheSettingsPage) {
  StatusFormRig rig;
  rig.list.date = rig.calendar.Today() - 20;
  rig.Check();  // no update: the step's "Abbrechen" is disabled
  rig.form.Button_SettingsClick();
  rig.view.spin = 30;
  EXPECT_TRUE(rig.form.FormKeyDown(StatusKey::Escape));
  EXPECT_EQ(rig.view.page, 2);
  EXPECT_EQ(rig.view.buttonPage, StatusButtonPage::Standard);
  EXPECT_EQ(rig.view.closes, 0);
  EXPECT_FALSE(rig.Value("UpdateInterval"));

  rig.form.Button_SettingsClick();
  rig.view.spin = 30;
  EXPECT_TRUE(rig.form.FormKeyDown(StatusKey::Enter));
  EXPECT_EQ(rig.Value("UpdateInterval")->data, std::string("\x1e\0\0\0", 4));
  EXPECT_EQ(rig.view.page, 2);

  // On the step's pages Enter is the default button's, and Esc the close box.
  EXPECT_FALSE(rig.form.FormKeyDown(StatusKey::Enter));
  EXPECT_TRUE(rig.form.FormKeyDown(StatusKey::Escape));
  EXPECT_EQ(rig.view.closes, 1);
  rig.form.FormDestroy();
  EXPECT_FALSE(rig.Value("Update")) << "closed, not left with \"Beenden\"";
}

TEST(StatusFormSettings, StoredIntervalBelowOneCountsAsSeven) {
  StatusFormRig rig;
  Registry registry(rig.registry);
  registry.SetRootKey(RegistryRoot::LocalMachine);
  registry.OpenKey(StatusFormRig::kKey, true);
  registry.WriteInteger("UpdateInterval", -3);
  rig.list.section = false;
  rig.Check();
  rig.form.Button_NextClick();
  rig.form.FormDestroy();
  EXPECT_EQ(rig.UpdateValue(), rig.calendar.Today() + 6);

  registry.WriteString("UpdateInterval", "14");
  EXPECT_THROW(rig.form.Button_SettingsClick(), ERegistryException);
}

TEST(StatusFormPanel, GradientFromLightBlueToWhiteAndTheCurrentStepEmphasised) {
  struct Canvas : SidePanelCanvas {
    std::vector<Color> colours;
    std::vector<std::string> emphasised;
    void VerticalLine(int, int, Color color) override { colours.push_back(color); }
    void Text(int, int, const std::string& text, bool bold) override {
      if (bold) emphasised.push_back(text);
    }
  } canvas;
  StatusFormRig rig;
  rig.form.Button_NextClick();
  rig.form.PaintBox_ProcessPaint(canvas, 225, 353);
  ASSERT_EQ(canvas.colours.size(), 226u);
  EXPECT_EQ(canvas.colours.front(), MakeColor(155, 183, 230));
  EXPECT_EQ(canvas.colours[100], MakeColor(155 + 100 * 100 / 225, 183 + 72 * 100 / 225, 230 + 25 * 100 / 225));
  EXPECT_EQ(canvas.colours.back(), MakeColor(255, 255, 255));
  EXPECT_EQ(canvas.emphasised, std::vector<std::string>{"Auf neue Updates prüfen"});
}

}  // namespace
}  // namespace sorvane
