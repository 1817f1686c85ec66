#include "ContainerSession.h"

#include <new>

#include "ExitStatus.h"
#include "TypedText.h"
#include "app/Login.h"
#include "platform/Errors.h"

namespace sorvane::zvq {
namespace {

constexpr char kPasswordNeeded[] =
    "Für die Anmeldung wird ein Passwort benötigt. Geben Sie es mit --password-file an oder rufen Sie zvq in einem "
    "Terminal auf.";
constexpr char kPasswordLine[] = "Passwort: ";
// More than any password a person types; a longer first line is cut here
// rather than read into memory without end.
constexpr std::size_t kMaxPasswordLine = 64 * 1024;

// The first line of the password file, without its line break.
std::string ReadFirstLine(FileSystem& files, const std::string& path) {
  const auto stream = files.OpenRead(path);
  std::string line;
  char block[256];
  while (line.size() < kMaxPasswordLine) {
    const std::size_t n = stream->Read(block, sizeof block);
    if (n == 0) break;
    line.append(block, n);
    const auto end = line.find('\n');
    if (end != std::string::npos) {
      line.resize(end);
      break;
    }
  }
  if (line.size() > kMaxPasswordLine) line.resize(kMaxPasswordLine);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// The password from --password-file, else from the terminal. Nothing after a
// report (or a cancelled query) when there is none.
std::optional<AnsiString> ObtainPassword(const ZvqOptions& options, ZvqServices& services) {
  std::string typed;
  if (options.passwordFile) {
    try {
      typed = ReadFirstLine(services.files, *options.passwordFile);
    } catch (const Exception& e) {
      Report(services, e.what());
      return std::nullopt;
    }
  } else if (services.prompt.Available()) {
    const auto answer = services.prompt.Ask(std::string(login_texts::kPasswordQueryPrompt) + "\n" + kPasswordLine);
    if (!answer) return std::nullopt;
    typed = *answer;
  } else {
    Report(services, kPasswordNeeded);
    return std::nullopt;
  }
  return TypedToAnsi(typed, services.codePage);
}

}  // namespace

bool LoadContainer(ContainerCatalogue& catalogue, const ZvqOptions& options, ZvqServices& services) {
  catalogue.ContainerPath = options.container;
  try {
    catalogue.LoadCatalogue();
    return true;
  } catch (const Exception& e) {
    Report(services, e.what());
  } catch (const std::bad_alloc&) {
    Report(services, texts::kOutOfMemory);
  }
  return false;
}

std::optional<std::int32_t> LogIn(const ContainerCatalogue& catalogue, const ZvqOptions& options,
                                  ZvqServices& services) {
  LoginOutcome outcome;
  if (!options.user) {
    AnsiString password;
    // A container without accounts is refused by the login itself, before
    // anyone is asked for a password.
    if (GuestNeedsPassword(catalogue)) {
      const auto given = ObtainPassword(options, services);
      if (!given) return std::nullopt;
      password = *given;
    }
    outcome = LogInAsGuest(catalogue, password);
  } else {
    const AnsiString name = TypedToAnsi(*options.user, services.codePage);
    outcome = FindUserAccount(catalogue, name);
    if (outcome.Accepted()) {
      // An account without a password needs no query; a password file is
      // still compared, exactly as a typed password would be.
      AnsiString password;
      if (options.passwordFile || !catalogue.Accounts[static_cast<std::size_t>(outcome.Account)].Password.empty()) {
        const auto given = ObtainPassword(options, services);
        if (!given) return std::nullopt;
        password = *given;
      }
      outcome = LogInAsUser(catalogue, name, password);
    }
  }
  if (!outcome.Accepted()) {
    Report(services, outcome.Message);
    return std::nullopt;
  }
  return outcome.Column;
}

int LoggedInContainer::Open(const ZvqOptions& options, ZvqServices& services) {
  if (!LoadContainer(catalogue, options, services)) return kUnreadable;
  const auto login = LogIn(catalogue, options, services);
  if (!login) return kUsageOrLogin;
  column = *login;
  return kDone;
}

}  // namespace sorvane::zvq
