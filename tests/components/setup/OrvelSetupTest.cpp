// The setup component on the in-memory registry: the uninstall run after
// both answers, who counts as an uninstall run, and what the registration
// writes, deletes and leaves alone.
#include <gmock/gmock.h>

#include <algorithm>

#include "SetupFixture.h"
#include "app/Form1Components.h"
#include "platform/Registry.h"
#include "platform/UserFallbackRegistryStore.h"

namespace sorvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr char kUninstall[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class UninstallTest : public SetupFixture {
 protected:
  void SetUp() override {
    store.Put(HKLM, std::string(kUninstall) + "\\Sorvane", "DisplayName", "Sorvane");
    store.Put(HKLM, std::string(kUninstall) + "\\Anderes", "DisplayName", "Anderes");
    store.Put(HKCU, "SOFTWARE\\Orvel\\Sorvane", "Update", "x");
    store.Put(HKLM, "SOFTWARE\\Orvel\\SORVANE\\Tiefer", "Wert", "y");
    store.Put(HKLM, "SOFTWARE\\Orvel\\Andere", "Wert", "z");
  }
  // The closing message, the one message shown, after the desktop entry went.
  void ExpectClosingMessage(const std::string& title, MessageIcon icon, const std::string& text) {
    EXPECT_THAT(menu.log, ElementsAre("remove orvel-sorvane", "remove type orvel-sorvane application/x-zvq"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, title);
    EXPECT_EQ(dialogs.messages[0].icon, icon);
    EXPECT_EQ(dialogs.messages[0].text, text);
  }
};

TEST_F(UninstallTest, AnswerNoChangesNothingAndStillEndsTheProgram) {
  dialogs.yesNoAnswers = {DialogAnswer::No};
  auto setup = Start("/uninstall");
  EXPECT_THAT(dialogs.log, ElementsAre("MessageBeep 48", "AskYesNo Warnung|warning|Soll Sorvane wirklich "
                                                          "deinstalliert werden?"));
  EXPECT_FALSE(setup->Uninstalled());
  EXPECT_EQ(application.terminateCalls, 1);
  ApplyForm1Values(*setup);
  setup->RegisterProgram();
  EXPECT_TRUE(store.changes.empty()) << store.changes.front();
  EXPECT_TRUE(menu.log.empty());
}

TEST_F(UninstallTest, AnswerYesRemovesEntryAndSettingsInBothRootsOnly) {
  dialogs.yesNoAnswers = {DialogAnswer::Yes};
  auto setup = Start("/uninstall");
  EXPECT_TRUE(setup->Uninstalled());
  EXPECT_EQ(application.terminateCalls, 1);
  EXPECT_THAT(store.changes, ElementsAre("deletekey HKLM:" + std::string(kUninstall) + "\\Sorvane",
                                         "deletekey HKCU:SOFTWARE\\Orvel\\Sorvane",
                                         "deletekey HKLM:SOFTWARE\\Orvel\\Sorvane"));
  EXPECT_TRUE(store.KeyExists(HKLM, std::string(kUninstall) + "\\Anderes"));
  EXPECT_TRUE(store.KeyExists(HKLM, "SOFTWARE\\Orvel\\Andere"));
  EXPECT_TRUE(store.KeyExists(HKCU, "SOFTWARE\\Orvel"));
  ExpectClosingMessage("Deinstallation abgeschlossen", MessageIcon::Information,
                       "Sorvane wurde erfolgreich entfernt. Die Programmdatei und evtl. mit diesem Programm "
                       "erstellte Dateien müssen manuell gelöscht werden.");
}

// An account without elevation after an administrator's start: what it
// may delete goes, what the machine keeps is named instead of a success.
TEST_F(UninstallTest, WhatOnlyAnAdministratorMayDeleteIsNamedAndTheRestGoes) {
  store.Put(HKCU, std::string(kUninstall) + "\\Sorvane", "DisplayName", "Sorvane");
  UserFallbackRegistryStore fallback(store);
  registry = &fallback;
  store.FailMachineWrites(true);
  dialogs.yesNoAnswers = {DialogAnswer::Yes};
  EXPECT_TRUE(Start("/uninstall")->Uninstalled());
  EXPECT_FALSE(store.KeyExists(HKCU, std::string(kUninstall) + "\\Sorvane"));
  EXPECT_FALSE(store.KeyExists(HKCU, "SOFTWARE\\Orvel\\Sorvane"));
  ExpectClosingMessage(
      "Deinstallation unvollständig", MessageIcon::Warning,
      "Sorvane wurde nicht vollständig entfernt. Diese Einträge der Registrierung konnten mit den Rechten dieses "
      "Benutzerkontos nicht gelöscht werden; ein Administrator kann sie entfernen:\n"
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sorvane\n"
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvel\\Sorvane\n\n"
      "Die Programmdatei und evtl. mit diesem Programm erstellte Dateien müssen manuell gelöscht werden.");
}

TEST_F(UninstallTest, AnswerYesOnAnEmptyRegistryLeavesTheSettingsKeysCreated) {
  store.DeleteKey(HKLM, "SOFTWARE");
  store.DeleteKey(HKCU, "SOFTWARE");
  store.changes.clear();
  dialogs.yesNoAnswers = {DialogAnswer::Yes};
  auto setup = Start("/uninstall");
  EXPECT_TRUE(setup->Uninstalled());
  EXPECT_TRUE(store.changes.empty()) << "nothing to delete";
  EXPECT_TRUE(store.KeyExists(HKCU, "SOFTWARE\\Orvel"));
  EXPECT_TRUE(store.KeyExists(HKLM, "SOFTWARE\\Orvel"));
  EXPECT_TRUE(store.KeyExists(HKLM, kUninstall));
}

TEST_F(UninstallTest, AnEmptyKeyNameNamesNoKeyToDelete) {
  // Without a title the key names are empty: the Uninstall and Orvel keys
  // themselves, with every other program's entry, must stay.
  title.clear();
  dialogs.yesNoAnswers = {DialogAnswer::Yes};
  EXPECT_TRUE(Start("/uninstall")->Uninstalled());
  EXPECT_TRUE(store.changes.empty()) << store.changes.front();
  EXPECT_TRUE(store.KeyExists(HKLM, std::string(kUninstall) + "\\Anderes"));
  EXPECT_TRUE(store.KeyExists(HKLM, "SOFTWARE\\Orvel\\Andere"));
}

TEST_F(UninstallTest, OnlyTheExactFirstArgumentStartsIt) {
  // Capitals, a later position and a closed dialog: the first two are normal
  // starts that register, the dialog's close box counts as "&Nein".
  for (const char* argument : {"/UNINSTALL", "Archiv.zvq", ""}) {
    auto setup = Start(argument);
    ApplyForm1Values(*setup);
    setup->RegisterProgram();
    EXPECT_FALSE(setup->Uninstalled()) << argument;
  }
  EXPECT_TRUE(dialogs.log.empty());
  EXPECT_EQ(application.terminateCalls, 0);
  EXPECT_EQ(std::count(menu.log.begin(), menu.log.end(), "install orvel-sorvane"), 3);

  dialogs.yesNoAnswers = {DialogAnswer::Closed};
  EXPECT_FALSE(Start("/uninstall")->Uninstalled());
  EXPECT_TRUE(store.KeyExists(HKLM, kUninstallEntry));
}

class RegisterTest : public SetupFixture {
 protected:
  std::unique_ptr<TOrvelSetup> NormalStart() {
    auto setup = Start("");
    ApplyForm1Values(*setup);
    return setup;
  }
  std::optional<std::string> Value(const std::string& name) { return store.Get(HKLM, kUninstallEntry, name); }
};

TEST_F(RegisterTest, WritesTheTwelveValuesInOrderWithTheMainWindowsValues) {
  store.Put(HKLM, kUninstallEntry, "Readme", "alt");
  NormalStart()->RegisterProgram();
  std::vector<std::string> written;
  for (const std::string& change : store.changes) written.push_back(change.substr(change.find('|') + 1));
  EXPECT_THAT(written, ElementsAre("DisplayName", "DisplayIcon", "DisplayVersion", "UninstallString", "Readme",
                                   "Publisher", "URLInfoAbout", "URLUpdateInfo", "HelpLink", "NoModify", "NoRepair"));
  EXPECT_EQ(store.changes[4], "delete HKLM:" + std::string(kUninstallEntry) + "|Readme");
  // Registry texts are Windows-1252, but the paths go as UTF-8, so that
  // every letter of the program's folder reaches the list of programs.
  EXPECT_EQ(Value("DisplayName"), "Sorvane");
  EXPECT_EQ(Value("DisplayIcon"), "/opt/\xC3\x9C" "ber/sorvane");
  EXPECT_TRUE(store.ReadValue(HKLM, kUninstallEntry, "UninstallString")->utf8);
  EXPECT_EQ(Value("DisplayVersion"), "1.0.0.0");
  EXPECT_EQ(Value("UninstallString"), "\"/opt/\xC3\x9C" "ber/sorvane\" /uninstall");
  EXPECT_EQ(Value("Publisher"), "Orvel-Software");
  EXPECT_EQ(Value("URLInfoAbout"), "http://www.orvel.example/Programme.htm");
  EXPECT_EQ(Value("URLUpdateInfo"), "Strg+U im Programm dr\xFC" "cken");
  EXPECT_EQ(Value("HelpLink"), "http://www.orvel.example/");
  EXPECT_EQ(Value("NoModify"), std::string("\x01\0\0\0", 4));
  EXPECT_EQ(store.ReadValue(HKLM, kUninstallEntry, "NoRepair")->type, RegistryType::DWord);
  EXPECT_FALSE(Value("ModifyPath"));
  EXPECT_FALSE(store.KeyExists(HKCU, kUninstallEntry));
  EXPECT_THAT(versionReads, ElementsAre(kProgramPath, kProgramPath)) << "at construction and at registration";
}

TEST_F(RegisterTest, VersionAndUpdateInfoRules) {
  // No version block: written empty, not deleted.
  version.clear();
  auto setup = NormalStart();
  setup->URLUpdateInfo = "http://example.org/neu";
  setup->RegisterProgram();
  EXPECT_EQ(Value("DisplayVersion"), "");
  EXPECT_EQ(Value("URLUpdateInfo"), "Strg+U im Programm dr\xFC" "cken") << "the hint wins over an address";

  setup->OrvelUpdateUsed = false;
  setup->AutoVersion = false;
  setup->DisplayVersion = "2.5";
  setup->RegisterProgram();
  EXPECT_EQ(Value("URLUpdateInfo"), "http://example.org/neu");
  EXPECT_EQ(Value("DisplayVersion"), "2.5");

  setup->URLUpdateInfo.clear();
  setup->DisplayVersion.clear();
  setup->RegisterProgram();
  EXPECT_FALSE(Value("URLUpdateInfo"));
  EXPECT_FALSE(Value("DisplayVersion"));
}

TEST_F(RegisterTest, AValueEmptiedBetweenStartsIsDeleted) {
  NormalStart()->RegisterProgram();
  auto second = NormalStart();
  second->Publisher.clear();
  second->DisplayIcon.clear();
  second->NoRepair = false;
  second->DisplayName.clear();
  second->RegisterProgram();
  EXPECT_FALSE(Value("Publisher"));
  EXPECT_FALSE(Value("DisplayIcon"));
  EXPECT_FALSE(Value("NoRepair"));
  EXPECT_EQ(Value("DisplayName"), "") << "always written";
  EXPECT_EQ(Value("NoModify"), std::string("\x01\0\0\0", 4));
}

TEST_F(RegisterTest, EmptyUninstallStringOpensNoKeyAndWritesNoMenuEntry) {
  auto setup = NormalStart();
  setup->UninstallString.clear();
  setup->RegisterProgram();
  EXPECT_FALSE(store.KeyExists(HKLM, "SOFTWARE"));
  EXPECT_TRUE(menu.log.empty());
}

TEST_F(RegisterTest, HkcuAndAFailedWrite) {
  auto setup = NormalStart();
  setup->HKCU = true;
  setup->RegisterProgram();
  EXPECT_EQ(store.Get(HKCU, kUninstallEntry, "DisplayName"), "Sorvane");
  EXPECT_FALSE(store.KeyExists(HKLM, kUninstallEntry));

  store.FailWrites(true);
  menu.log.clear();
  try {
    setup->RegisterProgram();
    FAIL() << "a refused write must be reported";
  } catch (const ERegistryException& failure) {
    EXPECT_STREQ(failure.what(), "Fehler beim Setzen der Daten für 'DisplayName'");
  }
  EXPECT_TRUE(menu.log.empty()) << "no menu entry for a failed registration";
}

// An account that may not write HKEY_LOCAL_MACHINE: the entry is the user's,
// a second start rewrites it there, and the uninstall run finds and removes it.
TEST_F(RegisterTest, WithoutElevationTheEntryFallsBackToTheUserAndTheUninstallRemovesIt) {
  UserFallbackRegistryStore fallback(store);
  registry = &fallback;
  store.FailMachineWrites(true);
  store.Put(HKCU, "SOFTWARE\\Orvel\\Sorvane", "Update", "x");
  NormalStart()->RegisterProgram();
  auto second = NormalStart();
  second->Publisher.clear();
  second->RegisterProgram();
  EXPECT_EQ(store.Get(HKCU, kUninstallEntry, "UninstallString"), "\"/opt/\xC3\x9C" "ber/sorvane\" /uninstall");
  EXPECT_FALSE(store.Get(HKCU, kUninstallEntry, "Publisher"));
  EXPECT_FALSE(store.KeyExists(HKLM, "SOFTWARE"));

  dialogs.yesNoAnswers = {DialogAnswer::Yes};
  EXPECT_TRUE(Start("/uninstall")->Uninstalled());
  EXPECT_FALSE(store.KeyExists(HKCU, kUninstallEntry));
  EXPECT_FALSE(store.KeyExists(HKCU, "SOFTWARE\\Orvel\\Sorvane"));
  EXPECT_TRUE(store.KeyExists(HKCU, "SOFTWARE\\Orvel"));
}

// One entry in the list of installed programs: the start writes where it
// may and removes the other root's copy where it may.
TEST_F(RegisterTest, OneEntryInTheRootTheStartMayWrite) {
  UserFallbackRegistryStore fallback(store);
  registry = &fallback;
  // An earlier start without elevation left the user's entry.
  store.Put(HKCU, kUninstallEntry, "DisplayName", "Sorvane");
  store.Put(HKCU, kUninstallEntry, "Readme", "alt");
  NormalStart()->RegisterProgram();
  EXPECT_EQ(Value("UninstallString"), "\"/opt/\xC3\x9C" "ber/sorvane\" /uninstall");
  EXPECT_FALSE(store.KeyExists(HKCU, kUninstallEntry));

  // Without elevation the administrator's entry stays the one entry, and a
  // user's copy from before goes; without one the user's entry is written.
  store.FailMachineWrites(true);
  store.Put(HKCU, kUninstallEntry, "DisplayName", "Sorvane");
  NormalStart()->RegisterProgram();
  EXPECT_TRUE(store.KeyExists(HKLM, kUninstallEntry));
  EXPECT_FALSE(store.KeyExists(HKCU, kUninstallEntry));
  store.FailMachineWrites(false);
  store.DeleteKey(HKLM, kUninstallEntry);
  store.FailMachineWrites(true);
  NormalStart()->RegisterProgram();
  EXPECT_EQ(store.Get(HKCU, kUninstallEntry, "DisplayName"), "Sorvane");
  EXPECT_FALSE(store.KeyExists(HKLM, kUninstallEntry));

  store.FailMachineWrites(false);
  auto setup = NormalStart();
  setup->HKCU = true;
  setup->RegisterProgram();
  EXPECT_FALSE(store.KeyExists(HKLM, kUninstallEntry));
  EXPECT_EQ(store.Get(HKCU, kUninstallEntry, "DisplayName"), "Sorvane");

  // Without a key name the entry is the list's own key: no other program's
  // entry may go with a "copy".
  store.Put(HKLM, std::string(kUninstall) + "\\Anderes", "DisplayName", "Anderes");
  setup->RegKeyName.clear();
  setup->RegisterProgram();
  EXPECT_TRUE(store.KeyExists(HKLM, std::string(kUninstall) + "\\Anderes"));
}

TEST_F(RegisterTest, AMenuEntryThatCannotBeWrittenIsOneLineAndTheRegistrationStands) {
  menu.unwritable = true;
  NormalStart()->RegisterProgram();
  EXPECT_EQ(store.Get(HKLM, kUninstallEntry, "NoRepair"), std::string("\1\0\0\0", 4));
  EXPECT_EQ(errorOutput.str(),
            "sorvane: Kein Eintrag im Anwendungsmenü: Datei /icons/orvel-sorvane.png kann nicht erstellt werden.\n");
}

TEST_F(RegisterTest, DesktopEntryStartsTheRealPathOpensContainersAndOffersTheUninstall) {
  NormalStart()->RegisterProgram();
  EXPECT_THAT(menu.log, ElementsAre("install orvel-sorvane", "install type orvel-sorvane application/x-zvq"));
  EXPECT_EQ(menu.iconSize, icon.size());
  EXPECT_THAT(menu.entryText, HasSubstr("\nName=Sorvane\n"));
  EXPECT_THAT(menu.entryText, HasSubstr("\nExec=\"/opt/Über/sorvane\" %f\n"));
  EXPECT_THAT(menu.entryText, HasSubstr("\nMimeType=application/x-zvq;\n"));
  EXPECT_THAT(menu.mimeInfo, HasSubstr("<mime-type type=\"application/x-zvq\">"));
  EXPECT_THAT(menu.mimeInfo, HasSubstr("<glob pattern=\"*.zvq\"/>"));
  EXPECT_THAT(menu.entryText, HasSubstr("\nIcon=/icons/orvel-sorvane.png\n"));
  EXPECT_THAT(menu.entryText, HasSubstr("[Desktop Action Deinstallieren]\nName=Deinstallieren\n"
                                        "Exec=\"/opt/Über/sorvane\" /uninstall\n"));
}

}  // namespace
}  // namespace sorvane
