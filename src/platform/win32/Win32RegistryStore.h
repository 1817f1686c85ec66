#pragma once

#include <string>

#include "platform/RegistryStore.h"

namespace sorvane {

// The Windows registry through the ANSI calls of advapi32. Names and texts
// are Windows-1252 bytes, which the ANSI calls carry through the system's
// UTF-16 and back unchanged. Names compare as the registry compares them:
// without regard to case, umlauts included.
//
// The names of a key are listed sorted (case-insensitively), as the
// registry editor lists them; the registry itself enumerates values in the
// order they were written. A text value (REG_SZ) is stored with its
// terminating NUL, which a read removes again. A key that cannot be opened
// for reading reads as missing; a change that the registry refuses (access
// denied, for example HKEY_LOCAL_MACHINE without elevation) throws
// ERegistryException naming the key.
//
// A 32-bit program on 64-bit Windows sees the 32-bit view of
// HKEY_LOCAL_MACHINE\SOFTWARE, whose uninstall entries the system lists too.
class Win32RegistryStore : public RegistryStore {
 public:
  // The real HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
  Win32RegistryStore();
  // Both roots mapped below HKEY_CURRENT_USER\<privateKey>, as the subkeys
  // "LocalMachine" and "CurrentUser": a store that tests may change freely.
  explicit Win32RegistryStore(const std::string& privateKey);

  bool KeyExists(RegistryRoot root, const std::string& key) override;
  void CreateKey(RegistryRoot root, const std::string& key) override;
  void DeleteKey(RegistryRoot root, const std::string& key) override;
  std::vector<std::string> SubKeyNames(RegistryRoot root, const std::string& key) override;
  std::vector<std::string> ValueNames(RegistryRoot root, const std::string& key) override;
  std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key, const std::string& name) override;
  bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                  const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;

 private:
  // The key's path below the hive that holds root.
  std::string PathOf(RegistryRoot root, const std::string& key) const;
  [[noreturn]] void Refuse(RegistryRoot root, const std::string& key, long error) const;

  std::string privateKey_;  // empty: the real roots
};

namespace texts {
inline constexpr char kRegistryKeyRefused[] = "Der Registrierungsschlüssel %s kann nicht geändert werden";
}  // namespace texts

}  // namespace sorvane
