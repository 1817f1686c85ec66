// orvelsign: the maker's signing tool for update archives.
//
//   orvelsign keygen [--key DATEI]        new key pair; the secret key goes to
//                                         DATEI, the public key to standard output
//   orvelsign sign [--key DATEI] SEKTION DATUM ARCHIV
//                                         the signature of the offer of ARCHIV
//                                         (its file name as "File=") in section
//                                         SEKTION with the release date DATUM
//                                         (YYYY-MM-DD) on standard output, for
//                                         "Signature=" in the update list
//
// Exit status: 0 done, 1 the key or archive could not be read or written,
// 2 wrong usage.

#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "common/GermanCli.h"
#include "components/update/ArchiveSignature.h"
#include "platform/Errors.h"
#include "platform/posix/Cp1252CodePage.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

constexpr char kDefaultKeyFile[] = "orvelsign.key";

// Writes the secret key to a new file that only the user may read; an
// existing file is never replaced, so a key cannot be lost by mistake.
bool WriteSecretKey(const std::string& path, const std::string& key) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const std::string line = key + "\n";
  const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
  return ::close(fd) == 0 && written;
}

// The update list is Windows-1252, so the statement names section and file
// in it; a name it cannot hold would be signed as something else.
std::optional<sorvane::AnsiString> ListText(const std::string& text) {
  sorvane::Cp1252CodePage codePage;
  sorvane::AnsiString ansi = codePage.Utf8ToAnsi(text);
  if (codePage.AnsiToUtf8(ansi) != text) return std::nullopt;
  return ansi;
}

bool ReadSecretKey(const std::string& path, std::string& key) {
  std::ifstream in(path);
  return static_cast<bool>(std::getline(in, key));
}

void Labels(CLI::App& app) {
  // The group first: the help flag takes the group that is set when it is made.
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
  sorvane::tools::GermanLabels(app);
}

}  // namespace

int main(int argc, char** argv) {
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
              "Datum, Dateiname des Archivs (\"File=\") und SHA-512 seines Inhalts");
  for (CLI::App* command : {keygen, sign}) {
    command->group("Befehle");
    Labels(*command);
    command->add_option("--key", keyFile, "Die Datei des geheimen Schlüssels (Vorgabe: orvelsign.key)")
        ->type_name("DATEI");
  }
  sign->add_option("SEKTION", section, "Die Sektion des Programms in Updates.ini (etwa ZVQ)")
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
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);
    std::cerr << sorvane::tools::UsageMessage("orvelsign", e);
    return 2;
  }

  try {
    if (keygen->parsed()) {
      const sorvane::SigningKeys keys = sorvane::GenerateSigningKeys();
      if (!WriteSecretKey(keyFile, keys.secretKey)) {
        std::cerr << "orvelsign: " << sorvane::FormatText(sorvane::texts::kFCreateError, keyFile) << ".\n";
        return 1;
      }
      std::cout << keys.publicKey << '\n';
    } else {
      std::string key;
      if (!ReadSecretKey(keyFile, key)) {
        std::cerr << "orvelsign: " << sorvane::FormatText(sorvane::texts::kFOpenError, keyFile) << ".\n";
        return 1;
      }
      const auto sectionText = ListText(section);
      const auto fileText = ListText(std::filesystem::path(archive).filename().string());
      if (!sectionText || !fileText) {
        std::cerr << "orvelsign: Sektion und Dateiname müssen in Windows-1252 darstellbar sein.\n";
        return 2;
      }
      sorvane::PosixFileSystem files;
      const std::string digest = sorvane::ArchiveDigest(*files.OpenRead(archive));
      std::cout << sorvane::SignStatement(sorvane::UpdateStatement(*sectionText, date, *fileText, digest), key)
                << '\n';
    }
  } catch (const sorvane::Exception& e) {
    std::cerr << "orvelsign: " << e.what() << ".\n";
    return 1;
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
