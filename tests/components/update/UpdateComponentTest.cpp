#include <gtest/gtest.h>

#include "StatusFormRig.h"
#include "components/update/StatusFormTexts.h"
#include "components/update/UpdateComponentRig.h"
#include "components/update/UpdateHost.h"
#include "platform/Registry.h"
#include "platform/UpdateSection.h"

namespace sorvane {
namespace {

using UpdateComponentTest = UpdateComponentRig;

// The schedule's cases run on the in-memory registry and on the SQLite store
// the program uses.
class UpdateScheduleRun : public UpdateComponentRig, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) UseSqliteStore();
  }
};

INSTANTIATE_TEST_SUITE_P(Stores, UpdateScheduleRun, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Sqlite" : "Memory"; });

TEST_F(UpdateComponentTest, ConstructionInstallsCtrlUPlacesEnginesThenCreatesWizard) {
  auto component = Start();
  EXPECT_EQ(owner.log, (std::vector<std::string>{"action ActionList_ Ctrl+U", "wizard created"}));
  EXPECT_EQ(files.FileBytes("/system/ZipEngine.dll"), "zip engine bytes");
  EXPECT_EQ(files.FileBytes("/system/UnzipEngine.dll"), "unzip engine");
  EXPECT_EQ(component->Host, UpdateHost());
  EXPECT_EQ(component->Port, 21);
  EXPECT_EQ(component->Body, "");
  EXPECT_EQ(component->Header, "");
  EXPECT_EQ(component->TimeOut, 10000);
  EXPECT_TRUE(component->BodyToFile);
  EXPECT_EQ(component->Name, "OrvelUpdateFile");
  EXPECT_EQ(component->ProgramName, UpdateSection("ZVQ")) << "this system's section of the update list";
  EXPECT_EQ(component->RegistryKey, "Sorvane");
  EXPECT_FALSE(component->HKCU);
}

TEST_F(UpdateComponentTest, EnginesAreWrittenOnlyWhenTheUnpackingEngineIsMissingOrUnusable) {
  files.AddFile("/system/UnzipEngine.dll", "unzip engine");
  Start();
  EXPECT_FALSE(files.HasFile("/system/ZipEngine.dll"));

  files.AddFile("/system/UnzipEngine.dll", "damaged or of another version");
  Start();
  EXPECT_EQ(files.FileBytes("/system/ZipEngine.dll"), "zip engine bytes");
  EXPECT_EQ(files.FileBytes("/system/UnzipEngine.dll"), "unzip engine");

  files.DeleteFile("/system/UnzipEngine.dll");
  files.AddFile("/system/ZipEngine.dll", "old zip");
  Start();
  EXPECT_EQ(files.FileBytes("/system/ZipEngine.dll"), "zip engine bytes");
  EXPECT_EQ(files.FileBytes("/system/UnzipEngine.dll"), "unzip engine");
  EXPECT_FALSE(files.HasFile("/system/ZipEngine.dll.neu"));  // no scratch file stays
  EXPECT_FALSE(files.HasFile("/system/UnzipEngine.dll.neu"));
}

TEST_F(UpdateComponentTest, EngineThatCannotBeWrittenFailsTheConstructionAndKeepsTheOldFile) {
  files.AddFile("/system/UnzipEngine.dll", "old unzip");
  files.LimitWrites("/system/UnzipEngine.dll.neu", 3);  // the disk fills up
  try {
    Start();
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_STREQ(e.what(), "Datei /system/UnzipEngine.dll kann nicht erstellt werden");
  }
  EXPECT_EQ(files.FileBytes("/system/UnzipEngine.dll"), "old unzip");
  EXPECT_FALSE(files.HasFile("/system/UnzipEngine.dll.neu"));
  resources.byName.erase("ZIPENGINE");
  EXPECT_THROW(Start(), EFCreateError);
}

TEST_P(UpdateScheduleRun, FirstStartOnFixedDriveShowsWizardWithTheFiveValues) {
  auto component = Start();
  component->AutomaticUpdate("", false, 0);
  ASSERT_EQ(owner.shown.size(), 1u);
  const UpdateWizardValues& values = owner.shown[0];
  EXPECT_EQ(values.programName, UpdateSection("ZVQ"));
  EXPECT_EQ(values.zipFileName, "ZVQ2.zip");
  EXPECT_EQ(values.registryKey, "Sorvane");
  EXPECT_EQ(values.referenceDate, 45900.25);
  EXPECT_FALSE(values.hkcu);
  // The program path in double quotes, UTF-8 and written as a path.
  EXPECT_EQ(Utf8Value("ApplicationFileName"), "\"/opt/\xC3\x9C" "ber/sorvane\"");
  EXPECT_TRUE(GetParam() || Value("ApplicationFileName")->utf8) << "a path, for a store that takes one";
  EXPECT_EQ(drive.asked, std::vector<std::string>{program.path});

  component->AutomaticUpdate("/minimiert", false, 40000.5);
  EXPECT_EQ(Utf8Value("ApplicationFileName"), "\"/opt/\xC3\x9C" "ber/sorvane\" /minimiert");
  EXPECT_EQ(owner.shown.back().referenceDate, 40000.5);

  // The command line is the path as the system writes it ("\" on Windows).
  program.native = "C:\\Programme\\\xC3\x9C" "ber\\sorvane.exe";
  component->AutomaticUpdate("", false, 0);
  EXPECT_EQ(Utf8Value("ApplicationFileName"), "\"C:\\Programme\\\xC3\x9C" "ber\\sorvane.exe\"");
}

TEST_P(UpdateScheduleRun, StoredReminderDateDecidesAtStart) {
  auto component = Start();
  PutUpdate(calendar.today);
  component->AutomaticUpdate("", false, 0);
  EXPECT_TRUE(owner.shown.empty());
  PutUpdate(calendar.today - 1);
  component->AutomaticUpdate("", false, 0);
  EXPECT_EQ(owner.shown.size(), 1u);
}

TEST_P(UpdateScheduleRun, NoUpdateSilencesTheStartButNotCtrlU) {
  auto component = Start();
  PutUpdate(calendar.today - 300);
  PutValue("NoUpdate", RegistryType::String, "");
  component->AutomaticUpdate("", false, 0);
  EXPECT_TRUE(owner.shown.empty());

  registry->DeleteValue(RegistryRoot::LocalMachine, kKey, "ApplicationFileName");
  owner.ctrlU();
  EXPECT_EQ(owner.shown.size(), 1u);
  EXPECT_FALSE(Value("ApplicationFileName")) << "a manual run writes no command line";
}

TEST_P(UpdateScheduleRun, OnlyUpdateShowsTheWizardThenEndsWithoutTheDestroyHandler) {
  auto component = Start();
  PutValue("NoUpdate", RegistryType::String, "");
  PutValue("OnlyUpdate", RegistryType::DWord, std::string(4, '\0'));
  PutUpdate(calendar.today + 30);
  owner.log.clear();
  component->AutomaticUpdate("", false, 0);
  EXPECT_EQ(owner.log, (std::vector<std::string>{"wizard shown", "detach", "terminate"}));
}

TEST_P(UpdateScheduleRun, DriveThatMayNotUpdateOnlyRecordsTheCommandLine) {
  auto component = Start();
  PutValue("OnlyUpdate", RegistryType::String, "");
  for (const int kind : {DRIVE_CDROM, DRIVE_UNKNOWN, DRIVE_NO_ROOT_DIR}) {
    drive.type = kind;
    owner.log.clear();
    registry->DeleteValue(RegistryRoot::LocalMachine, kKey, "ApplicationFileName");
    component->AutomaticUpdate("", false, 0);
    EXPECT_TRUE(owner.log.empty()) << kind;
    EXPECT_TRUE(Value("ApplicationFileName")) << kind;
    // Not even an "Update" of the wrong type is looked at there.
    PutValue("Update", RegistryType::String, "x");
    EXPECT_NO_THROW(component->AutomaticUpdate("", true, 0));
  }
}

TEST_P(UpdateScheduleRun, UpdateOfAnotherTypeOrSizeIsAReadError) {
  auto component = Start();
  const std::pair<RegistryType, std::string> wrong[] = {
      {RegistryType::Binary, std::string(4, '\0')},
      {RegistryType::Binary, std::string(9, '\0')},
      {RegistryType::String, "12345678"},
      {RegistryType::DWord, std::string(4, '\0')},
  };
  for (const auto& [type, data] : wrong) {
    PutValue("Update", type, data);
    try {
      component->AutomaticUpdate("", false, 0);
      ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
      EXPECT_STREQ(e.what(), "Ungültiger Datentyp für 'Update'");
    }
  }
  EXPECT_TRUE(owner.shown.empty());
}

// The wizard still comes on schedule and on Ctrl+U, and its check then finds
// nothing newer than the program.
TEST_F(UpdateComponentTest, ProgramDateThatCannotBeReadMakesNoOfferNewer) {
  calendar.fileDate = std::nullopt;
  auto component = Start();
  component->AutomaticUpdate("", false, 0);
  owner.ctrlU();
  ASSERT_EQ(owner.shown.size(), 2u);
  for (const UpdateWizardValues& values : owner.shown) {
    StatusFormRig wizard;
    wizard.list.date = 2958465;  // 31.12.9999
    wizard.form.SetValues(values);
    wizard.form.FormShow();
    wizard.Check();
    EXPECT_EQ(wizard.Text(StatusControl::Label_CheckResult), texts::kNoUpdate);
  }
}

TEST_F(UpdateComponentTest, HkcuSelectsTheUserRootAndWriteFailuresReachTheCaller) {
  auto component = Start();
  component->HKCU = true;
  component->AutomaticUpdate("", false, 0);
  EXPECT_TRUE(Value("ApplicationFileName", RegistryRoot::CurrentUser));
  EXPECT_FALSE(Value("ApplicationFileName", RegistryRoot::LocalMachine));
  EXPECT_TRUE(owner.shown.back().hkcu);

  store.FailWrites(true);
  try {
    component->AutomaticUpdate("", false, 0);
    FAIL() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Fehler beim Setzen der Daten für 'ApplicationFileName'");
  }
}

}  // namespace
}  // namespace sorvane
