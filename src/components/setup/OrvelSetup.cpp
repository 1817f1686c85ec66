#include "components/setup/OrvelSetup.h"

#include "components/setup/DesktopEntry.h"
#include "platform/Registry.h"

namespace sorvane {
namespace {

constexpr unsigned kExclamationBeep = 48;

std::string HttpAddress(const std::string& path) { return std::string("http://") + texts::kMakerHost + path; }

RegistryRoot RootOf(bool hkcu) { return hkcu ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine; }

RegistryRoot OtherRoot(RegistryRoot root) { return RootOf(root == RegistryRoot::LocalMachine); }

std::string RootName(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

// Writes value when it is non-empty, else removes an earlier one.
void WriteOrDelete(Registry& registry, const std::string& name, const std::string& value, bool path = false) {
  if (!value.empty() && path) {
    registry.WritePath(name, value);
  } else if (!value.empty()) {
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
  // The two paths stay UTF-8: the program's folder may hold letters that
  // Windows-1252 lacks, and the list of programs shows them as they are.
  const std::string& programPath = services_.programPath;
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
    // Each root on its own: what stays must be named, not shown through
    // the other root.
    RegistryStore& roots = services_.registry.SeparateRoots();
    Registry registry(roots);
    registry.SetRootKey(RootOf(HKCU));
    DeleteSubKey(registry, texts::kUninstallKey, RegKeyName);
    // The start registers in whichever root it may write, so the entry may
    // be in the other one.
    registry.SetRootKey(OtherRoot(RootOf(HKCU)));
    if (!RegKeyName.empty()) registry.DeleteKey(EntryKey());
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
    // While the system still lists the program, "removed" would be untrue.
    if (const std::string left = KeysLeft(roots); !left.empty()) {
      dialogs.ShowMessage(name + texts::kUninstallIncompleteText + left + "\n" + texts::kUninstallFilesText,
                          texts::kUninstallIncompleteTitle, MessageIcon::Warning);
    } else if (UninstallMessage) {
      dialogs.ShowMessage(name + texts::kUninstallDoneText + texts::kUninstallFilesText, texts::kUninstallDoneTitle,
                          MessageIcon::Information);
    }
  }
  // After either answer: an uninstall run never goes on to work.
  services_.application.Terminate();
}

std::string TOrvelSetup::EntryKey() const { return std::string(texts::kUninstallKey) + "\\" + RegKeyName; }

std::string TOrvelSetup::KeysLeft(RegistryStore& roots) const {
  const std::string settings = std::string(texts::kOrvelKey) + "\\" + OrvelRegKeyName;
  std::string left;
  for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
    for (const auto& [subKey, key] : {std::pair(RegKeyName, EntryKey()), std::pair(OrvelRegKeyName, settings)}) {
      if (!subKey.empty() && roots.KeyExists(root, key))
        left += RootName(root) + "\\" + services_.codePage.AnsiToUtf8(key) + "\n";
    }
  }
  return left;
}

void TOrvelSetup::RegisterProgram() {
  if (services_.firstArgument == UninstallParam || UninstallString.empty()) return;
  // Where the entry lands decides which copy is stale, so the roots are
  // written each on its own.
  Registry registry(services_.registry.SeparateRoots());
  RegistryRoot root = RootOf(HKCU);
  try {
    WriteEntry(registry, root);
  } catch (const ERegistryDamaged&) {
    throw;
  } catch (const ERegistryException&) {
    // An account without elevation may not write the machine's entry;
    // Windows lists the user's own entries as well. But an entry an
    // administrator's start left there stays the one entry: a user's copy
    // beside it would list the program twice.
    if (root == RegistryRoot::CurrentUser) throw;
    registry.SetRootKey(root);
    if (RegKeyName.empty() || !registry.KeyExists(EntryKey())) {
      root = RegistryRoot::CurrentUser;
      WriteEntry(registry, root);
    }
  }
  // One entry: a copy in the other root, left by a start with other rights,
  // would be listed twice. The machine's copy may be out of reach: it then
  // stays until an administrator removes it (the uninstall names it). An
  // empty key name would take the whole list of installed programs.
  registry.SetRootKey(OtherRoot(root));
  if (!RegKeyName.empty()) registry.DeleteKey(EntryKey());
  // The menu entry is the desktop's extra, not the registration: a data
  // folder that cannot be written must not stop every start.
  try {
    WriteDesktopEntry();
  } catch (const std::exception& failure) {
    *services_.errorOutput << "sorvane: Kein Eintrag im Anwendungsmenü: " << failure.what() << ".\n";
  }
}

void TOrvelSetup::WriteEntry(Registry& registry, RegistryRoot root) {
  registry.SetRootKey(root);
  registry.OpenKey(EntryKey(), true);
  WriteValues(registry);
  registry.CloseKey();
}

void TOrvelSetup::WriteValues(Registry& registry) {
  registry.WriteString("DisplayName", DisplayName);
  WriteOrDelete(registry, "DisplayIcon", DisplayIcon, true);
  if (AutoVersion) {
    registry.WriteString("DisplayVersion", services_.readFileVersion(services_.programPath));
  } else {
    WriteOrDelete(registry, "DisplayVersion", DisplayVersion);
  }
  registry.WritePath("UninstallString", UninstallString);
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
