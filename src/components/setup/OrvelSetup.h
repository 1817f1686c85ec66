#pragma once

#include <string>

#include "components/setup/SetupServices.h"
#include "platform/RegistryStore.h"

namespace sorvane {

class Registry;

// The setup component: enters the program in the system's list of installed
// programs at every normal start (RegisterProgram) and runs the program's
// own uninstall when the program is started with "/uninstall" (during
// construction). On Linux the list of installed programs is also the
// desktop's application menu, so registration writes a desktop entry there
// with an uninstall action, and a confirmed uninstall removes it.
//
// The text properties are registry texts in Windows-1252.
class TOrvelSetup {
 public:
  // Sets the construction values and runs the uninstall check: an uninstall
  // run asks the user, deletes the registration and asks the application to
  // end, all before this returns. The owner's stored values are applied
  // afterwards and so never reach the uninstall.
  explicit TOrvelSetup(const SetupServices& services);
  TOrvelSetup(const TOrvelSetup&) = delete;
  TOrvelSetup& operator=(const TOrvelSetup&) = delete;

  // The texts are Windows-1252 but for the two that hold the program's path,
  // DisplayIcon and UninstallString, which are UTF-8.
  std::string DisplayName;
  std::string DisplayIcon;
  std::string DisplayVersion;
  std::string UninstallString;
  std::string ModifyPath;
  std::string Readme;
  std::string Publisher;
  std::string URLInfoAbout;
  std::string URLUpdateInfo;
  std::string HelpLink;
  std::string UninstallParam;
  std::string RegKeyName;
  std::string OrvelRegKeyName;
  bool NoModify = true;
  bool NoRepair = true;
  bool OrvelUpdateUsed = false;
  bool AutoVersion = true;
  bool HKCU = false;
  bool UninstallMessage = true;

  // True once the user has confirmed an uninstall run.
  bool Uninstalled() const { return uninstalled_; }

  // Writes the uninstall entry and the desktop entry, unless the program was
  // started with the uninstall parameter or UninstallString is empty. The
  // entry goes below the root that HKCU chooses, or below HKEY_CURRENT_USER
  // when HKEY_LOCAL_MACHINE refuses it; a copy in the other root is removed
  // where the account may. Throws ERegistryException "Fehler beim Setzen
  // der Daten für '<name>'" for a value that cannot be written there (the
  // values before it stay).
  void RegisterProgram();

 private:
  void Uninstall();
  std::string EntryKey() const;
  // The entry and settings keys still there after an uninstall, one line
  // each with its root's name; "" when none is left.
  std::string KeysLeft(RegistryStore& roots) const;
  void WriteEntry(Registry& registry, RegistryRoot root);
  void WriteValues(Registry& registry);
  void WriteDesktopEntry();

  SetupServices services_;
  bool uninstalled_ = false;
};

namespace texts {
inline constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char kOrvelKey[] = "SOFTWARE\\Orvel";
inline constexpr char kPublisher[] = "Orvel-Software";
inline constexpr char kMakerHost[] = "www.orvel.example";
inline constexpr char kUninstallParam[] = "/uninstall";
// Windows-1252: "Strg+U im Programm drücken".
inline constexpr char kOrvelUpdateHint[] = "Strg+U im Programm dr\xFC" "cken";
inline constexpr char kUninstallWarningTitle[] = "Warnung";
inline constexpr char kUninstallDoneTitle[] = "Deinstallation abgeschlossen";
inline constexpr char kUninstallDoneText[] = " wurde erfolgreich entfernt. ";
inline constexpr char kUninstallFilesText[] =
    "Die Programmdatei und evtl. mit diesem Programm erstellte Dateien müssen manuell gelöscht werden.";
// Followed by the keys left, one a line, and kUninstallFilesText.
inline constexpr char kUninstallIncompleteTitle[] = "Deinstallation unvollständig";
inline constexpr char kUninstallIncompleteText[] =
    " wurde nicht vollständig entfernt. Diese Einträge der Registrierung konnten mit den Rechten dieses "
    "Benutzerkontos nicht gelöscht werden; ein Administrator kann sie entfernen:\n";
}  // namespace texts

}  // namespace sorvane
