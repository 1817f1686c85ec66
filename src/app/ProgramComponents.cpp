#include "app/ProgramComponents.h"

#include "app/DefaultErrorDisplay.h"
#include "app/Form1Components.h"

namespace sorvane {
namespace {

class NoDesktopMenu final : public DesktopMenu {
 public:
  std::string IconPath(const std::string& /*name*/) override { return {}; }
  void Install(const std::string&, const std::string&, std::span<const std::uint8_t>) override {}
  void Remove(const std::string&) override {}
  void InstallFileType(const std::string&, const std::string&, const std::string&,
                       std::span<const std::uint8_t>) override {}
  void RemoveFileType(const std::string&, const std::string&) override {}
};

}  // namespace

ProgramComponents::ProgramComponents(UpdateComponentOwner& owner, const UpdateComponentServices& update,
                                     const SetupServices& setup, ProgramUpdates updates)
    : application_(setup.application) {
  if (updates == ProgramUpdates::SelfUpdate) {
    update_ = std::make_unique<TOrvelUpdateFile>(owner, update);
    ApplyMainWindowValues(*update_);
  } else {
    // The shortcut stays where users know it, with the one thing to say.
    owner.AddShortcutAction("ActionList_Update", "Ctrl+U", [&dialogs = setup.dialogs] {
      dialogs.ShowMessage(texts::kPackageManagementUpdates, ApplicationTitle, MessageIcon::Information);
    });
  }
  if (update_ != nullptr) {
    setup_ = std::make_unique<TOrvelSetup>(setup);
  } else {
    noMenu_ = std::make_unique<NoDesktopMenu>();
    setup_ = std::make_unique<TOrvelSetup>(SetupServices{
        setup.registry, setup.dialogs, setup.codePage, setup.application, *noMenu_, setup.readFileVersion,
        setup.firstArgument, setup.applicationTitle, setup.programPath, setup.iconPng});
  }
  ApplyForm1Values(*setup_);
  // No "Strg+U" hint in the list of installed programs when Ctrl+U updates
  // nothing.
  if (update_ == nullptr) setup_->OrvelUpdateUsed = false;
}

}  // namespace sorvane
