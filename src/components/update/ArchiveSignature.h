#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Stream.h"
#include "platform/Text.h"

namespace sorvane {

// Update archives travel over plain HTTP, and their script runs on the
// user's machine, so the program only unpacks what its maker has vouched
// for. The maker signs a statement that binds the archive to one offer: the
// program's section name in the update list (each platform's program reads a
// section of its own), the release date, the "File" value, the archive's
// SHA-512 and its size. An older archive served with a fresh "Date", another
// program's or platform's archive, or an archive under another name then
// fails the check; the size is what the download is held to. The signature is plain Ed25519 (RFC 8032) of the
// statement's bytes; the update list carries it Base64-encoded as
// "Signature" in the program's section.

// The maker's public key the program was built with (Base64 of 32 bytes).
std::string ProgramUpdateKey();

// The signed statement, five lines each ended by LF:
//   the section name (Windows-1252, as the program names its section)
//   the release date as YYYY-MM-DD
//   the "File" value (Windows-1252)
//   the archive's SHA-512 as 128 lower-case hex digits
//   the archive's size in bytes, in decimal ("Size" of the update list)
AnsiString UpdateStatement(const AnsiString& section, const std::string& isoDate, const AnsiString& file,
                           const std::string& sha512, std::int64_t size);

// A date-time's day as YYYY-MM-DD.
std::string IsoDate(double dateTime);
// A YYYY-MM-DD text of a real day, as it stands; nothing otherwise.
std::optional<std::string> CheckIsoDate(const std::string& text);

// The SHA-512 of the rest of in, lower-case hex, and the number of bytes
// hashed. With copy, every block read is also written there, so the copy
// holds exactly the bytes hashed.
struct ArchiveBytes {
  std::string sha512;
  std::int64_t size = 0;
};
ArchiveBytes ArchiveDigest(Stream& in, Stream* copy = nullptr);

enum class SignatureCheck {
  kValid,
  kMissing,  // the update list names no signature
  kInvalid,  // malformed, made with another key, or of another statement
};

SignatureCheck VerifyStatement(const AnsiString& statement, const AnsiString& signature,
                               const std::string& publicKey);

namespace texts {
// Why a downloaded archive is not installed.
inline constexpr char kArchiveNotSigned[] =
    "Die heruntergeladenen Update-Dateien tragen keine gültige Signatur des Herstellers und wurden gelöscht.";
}  // namespace texts

// For the maker's signing tool.
struct SigningKeys {
  std::string publicKey;  // Base64, 32 bytes
  std::string secretKey;  // Base64, 64 bytes; keep it outside the repository
};
SigningKeys GenerateSigningKeys();

// The Base64 signature of statement; throws Exception "Ungültiger
// Signaturschlüssel" for a malformed secret key.
std::string SignStatement(const AnsiString& statement, const std::string& secretKey);

namespace texts {
inline constexpr char kInvalidSigningKey[] = "Ungültiger Signaturschlüssel";
}  // namespace texts

}  // namespace sorvane
