#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace sorvane {

// Update archives travel over plain HTTP, and their batch file runs on the
// user's machine, so the program only unpacks archives that its maker has
// signed. The signature is Ed25519 in its pre-hashed form (Ed25519ph, RFC
// 8032), so that an archive of any size is checked block by block; the update
// list carries it Base64-encoded as "Signature" in the program's section.

// The maker's public key the program was built with (Base64 of 32 bytes);
// empty when the build checks no signatures.
std::string ProgramUpdateKey();

enum class SignatureCheck {
  kValid,
  kMissing,   // the update list names no signature
  kInvalid,   // malformed, made with another key, or the archive was changed
  kUnreadable // the archive cannot be read
};

// Checks the archive at path against the Base64 signature and public key.
SignatureCheck VerifyArchive(FileSystem& files, const std::string& path, const AnsiString& signature,
                             const std::string& publicKey);

// What the download step does with a fresh archive: with an empty key every
// archive passes; otherwise an archive without a valid signature is deleted
// and false returned, so it is never unpacked.
bool AcceptArchive(FileSystem& files, const std::string& path, const AnsiString& signature,
                   const std::string& publicKey);

namespace texts {
// The download page's sentence for a refused archive, beside the
// not-completed text.
inline constexpr char kArchiveNotSigned[] =
    "Die heruntergeladenen Update-Dateien tragen keine gültige Signatur des Herstellers und wurden gelöscht.";
}  // namespace texts

// For the maker's signing tool.
struct SigningKeys {
  std::string publicKey;  // Base64, 32 bytes
  std::string secretKey;  // Base64, 64 bytes; keep it outside the repository
};
SigningKeys GenerateSigningKeys();

// The Base64 signature of the archive at path; throws Exception
// "Ungültiger Signaturschlüssel" for a malformed secret key and the file
// system's errors for an unreadable archive.
std::string SignArchive(FileSystem& files, const std::string& path, const std::string& secretKey);

namespace texts {
inline constexpr char kInvalidSigningKey[] = "Ungültiger Signaturschlüssel";
}  // namespace texts

}  // namespace sorvane
