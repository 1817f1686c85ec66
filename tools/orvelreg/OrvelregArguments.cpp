#include "OrvelregArguments.h"

#include <algorithm>
#include <cctype>

#include "platform/NativeServices.h"

namespace sorvane::orvelreg {
namespace {

// The help's start; the place of the registry (UserRegistryPlace) and
// kHelp follow.
constexpr char kHelpIntro[] =
    "Aufruf: orvelreg BEFEHL SCHLÜSSEL [OPTIONEN]\n"
    "\n"
    "Liest und ändert die Registrierung, in der Sorvane seine Einstellungen und seinen\n"
    "Deinstallationseintrag hält (";
constexpr char kHelp[] =
    ").\n"
    "\n"
    "Befehle:\n"
    "  query SCHLÜSSEL [WERT]           die Werte des Schlüssels zeigen (Name, Typ, Daten durch\n"
    "                                   Tabulatoren getrennt), danach seine Unterschlüssel;\n"
    "                                   mit WERT nur diesen Wert. In Namen und Texten stehen\n"
    "                                   \\\\, \\t, \\r und \\n für Backslash, Tabulator,\n"
    "                                   Wagenrücklauf und Zeilenvorschub\n"
    "  add SCHLÜSSEL [/v NAME | /ve] [/t TYP] [/d DATEN] [/f]\n"
    "                                   den Schlüssel anlegen und den Wert setzen; TYP ist\n"
    "                                   REG_SZ (Vorgabe), REG_DWORD (dezimal oder 0x...) oder\n"
    "                                   REG_BINARY (Hexadezimalziffern); /ve meint den\n"
    "                                   Standardwert; /f wird angenommen, gefragt wird nie\n"
    "  delete SCHLÜSSEL [/v NAME | /ve] [/f]\n"
    "                                   den Schlüssel mit allem darunter löschen, mit /v nur\n"
    "                                   den Wert\n"
    "  export [SCHLÜSSEL]               den Baum unter dem Schlüssel (sonst beide Wurzeln) im\n"
    "                                   Textformat des Registrierungs-Editors (REGEDIT4,\n"
    "                                   Zeichensatz Windows-1252) ausgeben\n"
    "\n"
    "SCHLÜSSEL beginnt mit HKLM\\ oder HKCU\\ (auch HKEY_LOCAL_MACHINE\\, HKEY_CURRENT_USER\\),\n"
    "zum Beispiel 'HKLM\\SOFTWARE\\Orvel\\Sorvane'. Groß- und Kleinschreibung zählt nicht.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help                       diese Hilfe zeigen\n"
    "  --version                        die Version zeigen\n"
    "\n"
    "Exit-Status: 0 erledigt; 1 der Schlüssel oder Wert fehlt; 2 falscher Aufruf;\n"
    "3 die Registrierung konnte nicht geschrieben werden oder ist beschädigt.\n";

constexpr char kVersion[] = "orvelreg " SORVANE_VERSION "\n";

struct UsageError {
  std::string text;
};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

KeyName ParseKey(const std::string& text) {
  const auto slash = text.find('\\');
  const std::string root = Upper(text.substr(0, slash));
  KeyName key;
  if (root == "HKLM" || root == "HKEY_LOCAL_MACHINE") key.root = RegistryRoot::LocalMachine;
  else if (root == "HKCU" || root == "HKEY_CURRENT_USER") key.root = RegistryRoot::CurrentUser;
  else throw UsageError{"Der Schlüssel muss mit HKLM\\ oder HKCU\\ beginnen: " + text};
  std::string path = slash == std::string::npos ? "" : text.substr(slash + 1);
  while (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.find("\\\\") != std::string::npos || (!path.empty() && path.front() == '\\'))
    throw UsageError{"Leerer Teil im Schlüsselnamen: " + text};
  key.path = path;
  return key;
}

RegistryType ParseType(const std::string& text) {
  const std::string type = Upper(text);
  if (type == "REG_SZ") return RegistryType::String;
  if (type == "REG_DWORD") return RegistryType::DWord;
  if (type == "REG_BINARY") return RegistryType::Binary;
  throw UsageError{"Unbekannter Typ " + text + " (REG_SZ, REG_DWORD oder REG_BINARY)"};
}

OrvelregOptions Parse(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError{"Ein Befehl fehlt"};
  OrvelregOptions options;
  const std::string& command = args[0];
  if (command == "query") options.command = Command::Query;
  else if (command == "add") options.command = Command::Add;
  else if (command == "delete") options.command = Command::Delete;
  else if (command == "export") options.command = Command::Export;
  else throw UsageError{"Unbekannter Befehl " + command};

  std::vector<std::string> positionals;
  bool typeGiven = false, dataGiven = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string flag = Upper(args[i]);
    auto next = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError{args[i] + " braucht einen Wert"};
      return args[++i];
    };
    const bool changes = options.command == Command::Add || options.command == Command::Delete;
    if (changes && (flag == "/V" || flag == "/VE")) {
      if (options.value) throw UsageError{"/v oder /ve nur einmal angeben"};
      options.value = flag == "/VE" ? std::string() : next();
    } else if (options.command == Command::Add && flag == "/T") {
      options.type = ParseType(next());
      typeGiven = true;
    } else if (options.command == Command::Add && flag == "/D") {
      options.data = next();
      dataGiven = true;
    } else if (changes && flag == "/F") {
    } else if (args[i].size() == 2 && args[i][0] == '/') {
      throw UsageError{"Unbekannte Option " + args[i]};
    } else {
      positionals.push_back(args[i]);
    }
  }

  const std::size_t most = options.command == Command::Query ? 2 : 1;
  const bool needsKey = options.command != Command::Export;
  if (positionals.size() > most) throw UsageError{"Zu viele Angaben: " + positionals[most]};
  if (needsKey && positionals.empty()) throw UsageError{"Der Schlüssel fehlt"};
  if (!positionals.empty()) options.key = ParseKey(positionals[0]);
  if (positionals.size() == 2) options.value = positionals[1];
  if ((typeGiven || dataGiven) && !options.value) throw UsageError{"/t und /d brauchen /v oder /ve"};
  if (options.command == Command::Delete && !options.value && options.key.path.empty())
    throw UsageError{"Eine Wurzel kann nicht gelöscht werden"};
  return options;
}

}  // namespace

const char* RootName(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::variant<OrvelregOptions, int> ParseArguments(const std::vector<std::string>& arguments, std::ostream& out,
                                                  std::ostream& err) {
  for (const std::string& argument : arguments) {
    if (argument == "-h" || argument == "--help" || argument == "/?") {
      out << kHelpIntro << UserRegistryPlace() << kHelp;
      return kDone;
    }
    if (argument == "--version") {
      out << kVersion;
      return kDone;
    }
  }
  try {
    return Parse(arguments);
  } catch (const UsageError& e) {
    err << "orvelreg: " << e.text << ".\nMehr dazu zeigt \"orvelreg --help\".\n";
    return kUsage;
  }
}

}  // namespace sorvane::orvelreg
