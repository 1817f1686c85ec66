// The program's components when the system's package management updates the
// program: no update component, a Ctrl+U that says so, and a registration
// without a desktop entry of the user's.
#include <gmock/gmock.h>

#include "app/ProgramComponents.h"
#include "components/setup/SetupFixture.h"
#include "components/update/UpdateComponentRig.h"

namespace sorvane {
namespace {

using ::testing::ElementsAre;

class PackageManagementTest : public UpdateComponentRig {
 protected:
  std::unique_ptr<ProgramComponents> Start(ProgramUpdates updates) {
    return std::make_unique<ProgramComponents>(
        owner, Services(),
        SetupServices{*registry, dialogs, codePage, owner, menu, [](const std::string&) { return "1.0.0.0"; }, "",
                      "Sorvane", program.path, {}},
        updates);
  }
  std::optional<RegistryValue> Uninstall(const std::string& name) {
    return registry->ReadValue(RegistryRoot::LocalMachine,
                               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sorvane", name);
  }

  FakeDialogs dialogs;
  FakeDesktopMenu menu;
};

TEST_F(PackageManagementTest, FirstStartChecksNothingAndCtrlUPointsToThePackageManagement) {
  const auto components = Start(ProgramUpdates::PackageManagement);
  components->SetZIPFileName("ZVQ2.zip");
  components->AutomaticUpdate();
  EXPECT_EQ(components->Update(), nullptr);
  EXPECT_THAT(owner.log, ElementsAre("action ActionList_Update Ctrl+U")) << "no wizard, nothing shown";
  EXPECT_FALSE(files.FileExists("/system/UnzipEngine.dll"));

  owner.ctrlU();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, texts::kPackageManagementUpdates);
  EXPECT_EQ(dialogs.messages[0].title, "Sorvane");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(owner.shown.empty());

  components->RegisterProgram();
  EXPECT_TRUE(Uninstall("DisplayName").has_value());
  EXPECT_FALSE(Uninstall("URLUpdateInfo").has_value()) << "no Ctrl+U hint when Ctrl+U updates nothing";
  EXPECT_TRUE(menu.log.empty()) << "the package brings the menu entry";
}

TEST_F(PackageManagementTest, SelfUpdateKeepsTheComponentTheCheckAndTheUsersMenuEntry) {
  const auto components = Start(ProgramUpdates::SelfUpdate);
  components->AutomaticUpdate();
  EXPECT_EQ(owner.shown.size(), 1u) << "a first start offers the update wizard";
  components->RegisterProgram();
  EXPECT_TRUE(Uninstall("URLUpdateInfo").has_value());
  EXPECT_THAT(menu.log, ElementsAre("install orvel-sorvane", "install type orvel-sorvane application/x-zvq"));
}

}  // namespace
}  // namespace sorvane
