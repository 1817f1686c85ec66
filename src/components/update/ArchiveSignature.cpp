#include "components/update/ArchiveSignature.h"

#include <sodium.h>

#include <cstdio>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "platform/DateConversion.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

void StartSodium() {
  if (sodium_init() < 0) throw Exception("libsodium kann nicht gestartet werden");
}

std::optional<std::vector<unsigned char>> DecodeBase64(const std::string& text, std::size_t size) {
  std::vector<unsigned char> bytes(size);
  std::size_t length = 0;
  if (sodium_base642bin(bytes.data(), bytes.size(), text.data(), text.size(), nullptr, &length, nullptr,
                        sodium_base64_VARIANT_ORIGINAL) != 0 ||
      length != size) {
    return std::nullopt;
  }
  return bytes;
}

std::string EncodeBase64(const unsigned char* bytes, std::size_t size) {
  std::string text(sodium_base64_ENCODED_LEN(size, sodium_base64_VARIANT_ORIGINAL), '\0');
  sodium_bin2base64(text.data(), text.size(), bytes, size, sodium_base64_VARIANT_ORIGINAL);
  text.resize(text.size() - 1);  // the terminating zero
  return text;
}

const unsigned char* Bytes(const AnsiString& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

}  // namespace

std::string ProgramUpdateKey() { return SORVANE_UPDATE_PUBLIC_KEY; }

AnsiString UpdateStatement(const AnsiString& section, const std::string& isoDate, const AnsiString& file,
                           const std::string& sha512, std::int64_t size) {
  return section + "\n" + isoDate + "\n" + file + "\n" + sha512 + "\n" + std::to_string(size) + "\n";
}

std::string IsoDate(double dateTime) {
  const CalendarDay day = DecodeDate(dateTime);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
  return text;
}

std::optional<std::string> CheckIsoDate(const std::string& text) {
  static const std::regex kPattern("([0-9]{4})-([0-9]{2})-([0-9]{2})");
  std::smatch parts;
  if (!std::regex_match(text, parts, kPattern) ||
      !TryEncodeDate(std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3]))) {
    return std::nullopt;
  }
  return text;
}

ArchiveBytes ArchiveDigest(Stream& in, Stream* copy) {
  StartSodium();
  crypto_hash_sha512_state state;
  crypto_hash_sha512_init(&state);
  std::vector<unsigned char> buffer(65536);
  std::int64_t size = 0;
  while (const std::size_t count = in.Read(buffer.data(), buffer.size())) {
    size += static_cast<std::int64_t>(count);
    crypto_hash_sha512_update(&state, buffer.data(), count);
    if (copy != nullptr) copy->WriteBuffer(buffer.data(), count);
  }
  unsigned char digest[crypto_hash_sha512_BYTES];
  crypto_hash_sha512_final(&state, digest);
  std::string hex(sizeof digest * 2 + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), digest, sizeof digest);
  hex.pop_back();  // the terminating zero
  return {hex, size};
}

SignatureCheck VerifyStatement(const AnsiString& statement, const AnsiString& signature,
                               const std::string& publicKey) {
  StartSodium();
  if (signature.empty()) return SignatureCheck::kMissing;
  const auto key = DecodeBase64(publicKey, crypto_sign_PUBLICKEYBYTES);
  const auto signatureBytes = DecodeBase64(signature, crypto_sign_BYTES);
  if (!key || !signatureBytes) return SignatureCheck::kInvalid;
  return crypto_sign_verify_detached(signatureBytes->data(), Bytes(statement), statement.size(), key->data()) == 0
             ? SignatureCheck::kValid
             : SignatureCheck::kInvalid;
}

SigningKeys GenerateSigningKeys() {
  StartSodium();
  unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
  unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
  crypto_sign_keypair(publicKey, secretKey);
  SigningKeys keys{EncodeBase64(publicKey, sizeof publicKey), EncodeBase64(secretKey, sizeof secretKey)};
  sodium_memzero(secretKey, sizeof secretKey);
  return keys;
}

std::string SignStatement(const AnsiString& statement, const std::string& secretKey) {
  StartSodium();
  auto key = DecodeBase64(secretKey, crypto_sign_SECRETKEYBYTES);
  if (!key) throw Exception(texts::kInvalidSigningKey);
  // The key's second half is its public key; a key whose halves do not
  // belong together would sign with a key nobody can check against.
  unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
  unsigned char derived[crypto_sign_SECRETKEYBYTES];
  crypto_sign_seed_keypair(publicKey, derived, key->data());
  const bool matches = sodium_memcmp(derived, key->data(), sizeof derived) == 0;
  sodium_memzero(derived, sizeof derived);
  if (!matches) {
    sodium_memzero(key->data(), key->size());
    throw Exception(texts::kInvalidSigningKey);
  }
  unsigned char signature[crypto_sign_BYTES];
  crypto_sign_detached(signature, nullptr, Bytes(statement), statement.size(), key->data());
  sodium_memzero(key->data(), key->size());
  return EncodeBase64(signature, sizeof signature);
}

}  // namespace sorvane
