#include "components/setup/OrvelSetup.h"

#include "components/setup/DesktopEntry.h"
#include "platform/Registry.h"

namespace sorvane {
namespace {

constexpr unsigned kExclamationBeep = 48;

std::string HttpAddress(const std::string& path) { return std::string("http://") + texts::kMakerHost + path; }

RegistryRoot RootOf(bool hkcu) { return hkcu ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine; }

// Writes value when it is non-empty, else removes an earlier one.
void WriteOrDelete(Registry& registry, const std::string& name, const std::string& value) {
  if (!value.empty()) {
    registry.WriteString(name, value);
  } else {
    registry.DeleteValue(name);
  }
}

// Deletes subKey below key with everything under it; every failure is
// silent but a damaged registry, after which no uninstall may be reported as
// done. An empty subKey names nothing: it would otherwise take key itself.
void DeleteSubKey(Registry& registry, const std::string& key, const std::string& subKey) {
  if (subKey.empty()) return;
  try {
    if (registry.OpenKey(key, true) && registry.KeyExists(subKey)) registry.DeleteKey(subKey);
  } catch (const ERegistryDamaged&) {
    throw;
  } catch (const std::exception&) {
  }
  registry.CloseKey();
}

}  // namespace

TOrvelSetup::TOrvelSetup(const SetupServices& services) : services_(services) {
  const std::string programPath = services_.codePage.Utf8ToAnsi(services_.programPath);
  DisplayName = services_.applicationTitle;
  DisplayIcon = programPath;
  DisplayVersion = services_.readFileVersion(services_.programPath);
  UninstallString = "\"" + programPath + "\" " + texts::kUninstallParam;
  Publisher = texts::kPublisher;
  URLInfoAbout = HttpAddress("/Programme.htm");
  HelpLink = HttpAddress("/");
  UninstallParam = texts::kUninstallParam;
  RegKeyName = services_.applicationTitle;
  OrvelRegKeyName = services_.applicationTitle;
  // Exact and case-sensitive, the first argument only.
  if (services_.firstArgument == UninstallParam) Uninstall();
}

void TOrvelSetup::Uninstall() {
  Dialogs& dialogs = services_.dialogs;
  const std::string name = services_.codePage.AnsiToUtf8(DisplayName);
  dialogs.MessageBeep(kExclamationBeep);
  const DialogAnswer answer =
      dialogs.AskYesNo("Soll " + name + " wirklich deinstalliert werden?", texts::kUninstallWarningTitle,
                       MessageIcon::Warning);
  if (answer == DialogAnswer::Yes) {
    Registry registry(services_.registry);
    registry.SetRootKey(RootOf(HKCU));
    DeleteSubKey(registry, texts::kUninstallKey, RegKeyName);
    // The settings live below both roots, whichever holds the entry.
    for (const RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
      registry.SetRootKey(root);
      DeleteSubKey(registry, texts::kOrvelKey, OrvelRegKeyName);
    }
    try {
      const std::string entry = DesktopEntryName(services_.applicationTitle);
      services_.desktopMenu.Remove(entry);
      services_.desktopMenu.RemoveFileType(entry, kContainerMimeType);
    } catch (const std::exception&) {
    }
    uninstalled_ = true;
    if (UninstallMessage) {
      dialogs.ShowMessage(name + texts::kUninstallDoneText, texts::kUninstallDoneTitle, MessageIcon::Information);
    }
  }
  // After either answer: an uninstall run never goes on to work.
  services_.application.Terminate();
}

void TOrvelSetup::RegisterProgram() {
  if (services_.firstArgument == UninstallParam || UninstallString.empty()) return;
  Registry registry(services_.registry);
  registry.SetRootKey(RootOf(HKCU));
  registry.OpenKey(std::string(texts::kUninstallKey) + "\\" + RegKeyName, true);
  WriteValues(registry);
  registry.CloseKey();
  // The menu entry is the desktop's extra, not the registration: a data
  // folder that cannot be written must not stop every start.
  try {
    WriteDesktopEntry();
  } catch (const std::exception& failure) {
    *services_.errorOutput << "sorvane: Kein Eintrag im Anwendungsmenü: " << failure.what() << ".\n";
  }
}

void TOrvelSetup::WriteValues(Registry& registry) {
  registry.WriteString("DisplayName", DisplayName);
  WriteOrDelete(registry, "DisplayIcon", DisplayIcon);
  if (AutoVersion) {
    registry.WriteString("DisplayVersion", services_.readFileVersion(services_.programPath));
  } else {
    WriteOrDelete(registry, "DisplayVersion", DisplayVersion);
  }
  registry.WriteString("UninstallString", UninstallString);
  WriteOrDelete(registry, "ModifyPath", ModifyPath);
  WriteOrDelete(registry, "Readme", Readme);
  WriteOrDelete(registry, "Publisher", Publisher);
  WriteOrDelete(registry, "URLInfoAbout", URLInfoAbout);
  WriteOrDelete(registry, "URLUpdateInfo", OrvelUpdateUsed ? std::string(texts::kOrvelUpdateHint) : URLUpdateInfo);
  WriteOrDelete(registry, "HelpLink", HelpLink);
  if (NoModify) {
    registry.WriteInteger("NoModify", 1);
  } else {
    registry.DeleteValue("NoModify");
  }
  if (NoRepair) {
    registry.WriteInteger("NoRepair", 1);
  } else {
    registry.DeleteValue("NoRepair");
  }
}

void TOrvelSetup::WriteDesktopEntry() {
  DesktopMenu& menu = services_.desktopMenu;
  const std::string entry = DesktopEntryName(services_.applicationTitle);
  // The menu starts the program's real file (the registry's copy of the
  // path may have lost characters to the ANSI code page).
  menu.Install(entry,
               DesktopEntryText(services_.codePage.AnsiToUtf8(DisplayName), services_.programPath,
                                menu.IconPath(entry), UninstallParam, kContainerMimeType),
               services_.iconPng);
  // The entry opens containers from the file manager, which must know the
  // type for that.
  menu.InstallFileType(entry, kContainerMimeType, ContainerMimeInfo(), services_.iconPng);
}

}  // namespace sorvane
