// orvelsign: the maker's signing tool for update archives.
//
//   orvelsign keygen [--key DATEI]        new key pair; the secret key goes to
//                                         DATEI, the public key to standard output
//   orvelsign sign [--key DATEI] ARCHIV   the archive's signature on standard output,
//                                         for "Signature=" in the update list
//
// Exit status: 0 done, 1 the key or archive could not be read or written,
// 2 wrong usage.

#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <string>

#include "common/GermanCli.h"
#include "components/update/ArchiveSignature.h"
#include "platform/Errors.h"
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

bool ReadSecretKey(const std::string& path, std::string& key) {
  std::ifstream in(path);
  return static_cast<bool>(std::getline(in, key));
}

void Labels(CLI::App& app) {
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
  app.option_defaults()->group("Optionen");
  for (const auto& [key, value] : {std::pair{"Usage", "Aufruf"}, std::pair{"OPTIONS", "OPTIONEN"},
                                   std::pair{"SUBCOMMAND", "BEFEHL"}, std::pair{"SUBCOMMANDS", "BEFEHLE"},
                                   std::pair{"Positionals", "Argumente"}, std::pair{"REQUIRED", "(nötig)"}}) {
    app.get_formatter()->label(key, value);
  }
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
  std::string archive;

  CLI::App* keygen = app.add_subcommand(
      "keygen", "Ein neues Schlüsselpaar erzeugen: den geheimen Schlüssel in die Schlüsseldatei schreiben (sie darf "
                "noch nicht bestehen), den öffentlichen zeigen (für SORVANE_UPDATE_PUBLIC_KEY)");
  CLI::App* sign = app.add_subcommand("sign", "Die Signatur eines Archivs zeigen (für \"Signature=\" in Updates.ini)");
  for (CLI::App* command : {keygen, sign}) {
    Labels(*command);
    command->add_option("--key", keyFile, "Die Datei des geheimen Schlüssels (Vorgabe: orvelsign.key)")
        ->type_name("DATEI");
  }
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
      sorvane::PosixFileSystem files;
      std::cout << sorvane::SignArchive(files, archive, key) << '\n';
    }
  } catch (const sorvane::Exception& e) {
    std::cerr << "orvelsign: " << e.what() << ".\n";
    return 1;
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
