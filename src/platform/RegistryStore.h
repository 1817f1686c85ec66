#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvane {

// The two registry roots the program uses.
enum class RegistryRoot { LocalMachine, CurrentUser };

// Value types as the registry numbers them.
enum class RegistryType : std::uint32_t { String = 1, Binary = 3, DWord = 4 };

struct RegistryValue {
  RegistryType type = RegistryType::String;
  // REG_SZ: the text's bytes (Windows-1252, no terminating NUL); REG_DWORD: 4
  // bytes little-endian; REG_BINARY: the bytes as written.
  std::string data;
  // A REG_SZ whose text is UTF-8 instead: a path, which Windows-1252 may not
  // spell. Windows stores it in UTF-16 as it stands; a store that keeps
  // Windows-1252 text converts it.
  bool utf8 = false;
};

// The persistent tree of keys and values below the two roots. Key paths are
// relative to the root, components separated by "\", without a leading or
// trailing separator ("" is the root itself). Key and value names compare
// without regard to ASCII case and keep the case they were created with.
//
// Every call is complete in itself: a write is stored (or not at all) when it
// returns. A failed write throws ERegistryException with a text naming what
// failed; reads of a store that cannot be read behave as an empty tree. A
// store that is damaged is another matter: every call, read or write,
// throws ERegistryDamaged (Registry.h) and nothing is written to it.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  virtual bool KeyExists(RegistryRoot root, const std::string& key) = 0;
  // Creates the key and every missing key above it.
  virtual void CreateKey(RegistryRoot root, const std::string& key) = 0;
  // Deletes the key with all its subkeys and values; a missing key is no
  // error. The root itself cannot be deleted.
  virtual void DeleteKey(RegistryRoot root, const std::string& key) = 0;
  // Names of the direct subkeys and of the values of a key, in the order the
  // registry editor lists them (case-insensitive by name).
  virtual std::vector<std::string> SubKeyNames(RegistryRoot root, const std::string& key) = 0;
  virtual std::vector<std::string> ValueNames(RegistryRoot root, const std::string& key) = 0;

  virtual std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key,
                                                 const std::string& name) = 0;
  // Writes into an existing key; false when the key does not exist.
  virtual bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                          const RegistryValue& value) = 0;
  // False when there was no such value.
  virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;

  // The same registry with each root only itself, for a caller that must
  // know which root holds a key: a store that shows one root through the
  // other (UserFallbackRegistryStore) gives the store beneath it.
  virtual RegistryStore& SeparateRoots() { return *this; }
};

}  // namespace sorvane
