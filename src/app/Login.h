#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "container/ContainerCatalogue.h"
#include "platform/Locale.h"
#include "platform/Text.h"

namespace sorvane {

// The login rules of a loaded container, shared by the wizard's login page
// and the command line. Names and passwords are Windows-1252 bytes and are
// compared exactly (same length, same bytes; case and blanks count): whoever
// reads them from the user converts them first. Messages are UTF-8.
namespace login_texts {
inline constexpr char kEmptyUserName[] = "Sie müssen einen Benutzernamen eingeben oder sich als Gast anmelden.";
inline constexpr char kUnknownUser[] = "Der eingegebene Benutzername wurde vom Ersteller der Datei nicht eingetragen.";
inline constexpr char kWrongPassword[] = "Das eingegebene Passwort ist nicht korrekt.";
// A container without any account has no guest account to log in to.
inline constexpr char kNoGuestAccount[] =
    "Der Ersteller der Datei hat keine Konten eingetragen. Eine Anmeldung als Gast ist nicht möglich.";
// Title of the message box that shows one of the messages above.
inline constexpr char kMessageTitle[] = "Ungültige oder unvollständige Angaben";
// The query for the guest password.
inline constexpr char kPasswordQueryTitle[] = "Passwort erforderlich";
inline constexpr char kPasswordQueryPrompt[] = "Geben Sie zum Öffnen der Dateien das erforderliche Passwort ein.";
}  // namespace login_texts

// What a login step decided: accepted with the visibility column of the
// account, or refused with the message to show.
struct LoginOutcome {
  std::string Message;         // empty when accepted
  std::int32_t Account = -1;   // the account used; 0 for a guest
  std::int32_t Column = 0;     // the flags column whose members the login sees

  bool Accepted() const { return Message.empty(); }
};

// Whether a guest must give a password: account 0 has one. False for a
// container without accounts (LogInAsGuest refuses that one).
bool GuestNeedsPassword(const ContainerCatalogue& catalogue);

// A guest login with the password the user gave (ignored when the guest needs
// none). A guest sees column 0, whatever account 0's own Column says.
LoginOutcome LogInAsGuest(const ContainerCatalogue& catalogue, const AnsiString& password);

// The first half of a user login, before any password is asked: refuses an
// empty name and a name that no account carries; otherwise gives the first
// account of that name and its column.
LoginOutcome FindUserAccount(const ContainerCatalogue& catalogue, const AnsiString& userName);

// A whole user login: the checks of FindUserAccount, then the password.
LoginOutcome LogInAsUser(const ContainerCatalogue& catalogue, const AnsiString& userName, const AnsiString& password);

// The members a login with column sees, as indices into Members, in the
// member list's order: sorted by name in the locale's word order, members of
// the same name in file order. A column outside the flags table sees nothing.
std::vector<std::int32_t> ListVisibleMembers(const ContainerCatalogue& catalogue, std::int32_t column, Locale& locale);

}  // namespace sorvane
