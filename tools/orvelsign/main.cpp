// orvelsign: the maker's signing tool for update archives.
//
//   orvelsign keygen [--key DATEI]        new key pair; the secret key goes to
//                                         DATEI, the public key to standard output
//   orvelsign sign [--key DATEI] SEKTION DATUM ARCHIV
//                                         the signature of the offer of ARCHIV
//                                         (its file name as "File=") in section
//                                         SEKTION with the release date DATUM
//                                         (YYYY-MM-DD) and its size (the list's
//                                         "Size=") on standard output, for
//                                         "Signature=" in the update list
//
// Exit status: 0 done, 1 the key or archive could not be read or written,
// 2 wrong usage.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "common/ConsoleStreams.h"
#include "common/GermanCli.h"
#include "components/update/ArchiveSignature.h"
#include "platform/Errors.h"
#include "platform/LibrarySearch.h"
#include "platform/NativeServices.h"

namespace {

constexpr char kDefaultKeyFile[] = "orvelsign.key";

// The update list is Windows-1252, so the statement names section and file
// in it; a name it cannot hold would be signed as something else.
std::optional<sorvane::AnsiString> ListText(const std::string& text) {
  const auto codePage = sorvane::NewCodePage();
  sorvane::AnsiString ansi = codePage->Utf8ToAnsi(text);
  if (codePage->AnsiToUtf8(ansi) != text) return std::nullopt;
  return ansi;
}

// The file name of a path (UTF-8) as the system splits it.
std::string FileNameOf(const std::string& path) {
  const std::u8string name = std::filesystem::path(std::u8string(path.begin(), path.end())).filename().u8string();
  return std::string(name.begin(), name.end());
}

// The key's line: the first of the file, without its line end.
bool ReadSecretKey(sorvane::FileSystem& files, const std::string& path, std::string& key) {
  std::string text;
  try {
    const auto in = files.OpenRead(path);
    char block[512];
    for (std::size_t got; text.size() < 64 * 1024 && (got = in->Read(block, sizeof block)) > 0;) text.append(block, got);
  } catch (const sorvane::Exception&) {
    return false;
  }
  key = text.substr(0, text.find('\n'));
  if (!key.empty() && key.back() == '\r') key.pop_back();
  return !text.empty();
}

void Labels(CLI::App& app) {
  // The group first: the help flag takes the group that is set when it is made.
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
  sorvane::tools::GermanLabels(app);
}

}  // namespace

int main(int argc, char** argv) {
  sorvane::LimitLibrarySearch();
  const auto console = sorvane::NewConsole();
  sorvane::tools::ConsoleStreams streams(*console);
  const sorvane::tools::ConsoleArguments arguments(*console, argc, argv);
  const auto files = sorvane::NewFileSystem();
  CLI::App app("Signiert Update-Archive für Sorvane mit Ed25519.", "orvelsign");
  Labels(app);
  app.set_version_flag("--version", "orvelsign " SORVANE_VERSION, "Die Version zeigen");
  app.require_subcommand(1);
  app.footer("Exit-Status: 0 erledigt; 1 Schlüssel oder Archiv konnte nicht gelesen oder geschrieben werden; "
             "2 falscher Aufruf.");
  std::string keyFile = kDefaultKeyFile;
  std::string section, date, archive;

  CLI::App* keygen = app.add_subcommand(
      "keygen", "Ein neues Schlüsselpaar erzeugen: den geheimen Schlüssel in die Schlüsseldatei schreiben (sie darf "
                "noch nicht bestehen), den öffentlichen zeigen (für SORVANE_UPDATE_PUBLIC_KEY)");
  CLI::App* sign = app.add_subcommand(
      "sign", "Die Signatur des Angebots eines Archivs zeigen (für \"Signature=\" in Updates.ini): Sektion, "
              "Datum, Dateiname des Archivs (\"File=\"), SHA-512 seines Inhalts und seine Größe in Bytes (\"Size=\")");
  for (CLI::App* command : {keygen, sign}) {
    command->group("Befehle");
    Labels(*command);
    command->add_option("--key", keyFile, "Die Datei des geheimen Schlüssels (Vorgabe: orvelsign.key)")
        ->type_name("DATEI");
  }
  sign->add_option("SEKTION", section, "Die Sektion des Programms in Updates.ini (ZVQ für Windows, ZVQ-Linux-x86_64 für Linux auf x86-64)")
      ->required()
      ->type_name("NAME");
  sign->add_option("DATUM", date, "Das Datum des Updates (\"Date=\") als JJJJ-MM-TT")
      ->required()
      ->type_name("JJJJ-MM-TT")
      ->check([](const std::string& text) {
        return sorvane::CheckIsoDate(text) ? std::string() : "kein Datum der Form JJJJ-MM-TT: " + text;
      });
  sign->add_option("ARCHIV", archive, "Das Update-Archiv")->required()->type_name("DATEI");

  try {
    app.parse(arguments.Count(), arguments.Values());
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);
    std::cerr << sorvane::tools::UsageMessage("orvelsign", e);
    return 2;
  }

  try {
    if (keygen->parsed()) {
      const sorvane::SigningKeys keys = sorvane::GenerateSigningKeys();
      // An existing file is never replaced, so a key cannot be lost by mistake.
      if (!sorvane::WritePrivateFile(keyFile, keys.secretKey + "\n")) {
        std::cerr << "orvelsign: " << sorvane::FormatText(sorvane::texts::kFCreateError, keyFile) << ".\n";
        return 1;
      }
      std::cout << keys.publicKey << '\n';
    } else {
      std::string key;
      if (!ReadSecretKey(*files, keyFile, key)) {
        std::cerr << "orvelsign: " << sorvane::FormatText(sorvane::texts::kFOpenError, keyFile) << ".\n";
        return 1;
      }
      const auto sectionText = ListText(section);
      const auto fileText = ListText(FileNameOf(archive));
      if (!sectionText || !fileText) {
        std::cerr << "orvelsign: Sektion und Dateiname müssen in Windows-1252 darstellbar sein.\n";
        return 2;
      }
      const sorvane::ArchiveBytes bytes = sorvane::ArchiveDigest(*files->OpenRead(archive));
      std::cout << sorvane::SignStatement(
                       sorvane::UpdateStatement(*sectionText, date, *fileText, bytes.sha512, bytes.size), key)
                << '\n';
    }
  } catch (const sorvane::Exception& e) {
    std::cerr << "orvelsign: " << e.what() << ".\n";
    return 1;
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
