#include "components/update/ArchiveSignature.h"

#include <sodium.h>

#include <memory>
#include <optional>
#include <vector>

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

// Feeds the archive's bytes into the pre-hash.
void HashFile(FileSystem& files, const std::string& path, crypto_sign_state& state) {
  const std::unique_ptr<Stream> stream = files.OpenRead(path);
  std::vector<unsigned char> buffer(65536);
  while (const std::size_t count = stream->Read(buffer.data(), buffer.size())) {
    crypto_sign_update(&state, buffer.data(), count);
  }
}

}  // namespace

std::string ProgramUpdateKey() { return SORVANE_UPDATE_PUBLIC_KEY; }

SignatureCheck VerifyArchive(FileSystem& files, const std::string& path, const AnsiString& signature,
                             const std::string& publicKey) {
  StartSodium();
  if (signature.empty()) return SignatureCheck::kMissing;
  const auto key = DecodeBase64(publicKey, crypto_sign_PUBLICKEYBYTES);
  auto signatureBytes = DecodeBase64(signature, crypto_sign_BYTES);
  if (!key || !signatureBytes) return SignatureCheck::kInvalid;
  crypto_sign_state state;
  crypto_sign_init(&state);
  try {
    HashFile(files, path, state);
  } catch (const Exception&) {
    return SignatureCheck::kUnreadable;
  }
  return crypto_sign_final_verify(&state, signatureBytes->data(), key->data()) == 0 ? SignatureCheck::kValid
                                                                                    : SignatureCheck::kInvalid;
}

bool AcceptArchive(FileSystem& files, const std::string& path, const AnsiString& signature,
                   const std::string& publicKey) {
  if (publicKey.empty()) return true;
  if (VerifyArchive(files, path, signature, publicKey) == SignatureCheck::kValid) return true;
  files.DeleteFile(path);
  return false;
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

std::string SignArchive(FileSystem& files, const std::string& path, const std::string& secretKey) {
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
  crypto_sign_state state;
  crypto_sign_init(&state);
  HashFile(files, path, state);
  unsigned char signature[crypto_sign_BYTES];
  crypto_sign_final_create(&state, signature, nullptr, key->data());
  sodium_memzero(key->data(), key->size());
  return EncodeBase64(signature, sizeof signature);
}

}  // namespace sorvane
