#pragma once

#include <memory>

#include "platform/RegistryStore.h"

namespace sorvane {

// A registry in which what the account may not write below
// HKEY_LOCAL_MACHINE goes to the same key below HKEY_CURRENT_USER instead.
// A program that runs without elevation cannot write the machine's keys;
// without this its registration and its update settings would fail at every
// start. Windows lists per-user uninstall entries as well.
//
// Calls on CurrentUser pass through unchanged. On LocalMachine:
// - a key creation or a value write that the inner store refuses (throws
//   ERegistryException) is done below CurrentUser, creating the key there;
// - a value written below LocalMachine replaces a user copy of it, which is
//   removed, so that reads always find the newest write;
// - reads see the user's copy first and the machine's value when the user
//   has none; a key exists when it exists in either root; names list both;
// - deletions act on both roots. A machine's value that the machine's root
//   will not give up is hidden from this user instead: its name goes into
//   the subkey kHiddenKey of the user's copy of the key, and reads below
//   LocalMachine pass it over until a write brings the value back. Otherwise
//   the user's "delete" would silently keep the machine's setting in force
//   (an administrator's "NoUpdate" against the user's chosen interval).
//   Keys are not hidden: a refused key deletion is reported once the user's
//   copy is gone, since Windows itself still shows the machine's key.
// ERegistryDamaged is never taken for a refusal: it passes through.
class UserFallbackRegistryStore : public RegistryStore {
 public:
  explicit UserFallbackRegistryStore(RegistryStore& inner) : inner_(inner) {}
  explicit UserFallbackRegistryStore(std::unique_ptr<RegistryStore> inner) : owned_(std::move(inner)), inner_(*owned_) {}

  bool KeyExists(RegistryRoot root, const std::string& key) override;
  void CreateKey(RegistryRoot root, const std::string& key) override;
  void DeleteKey(RegistryRoot root, const std::string& key) override;
  std::vector<std::string> SubKeyNames(RegistryRoot root, const std::string& key) override;
  std::vector<std::string> ValueNames(RegistryRoot root, const std::string& key) override;
  std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key, const std::string& name) override;
  bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                  const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;
  RegistryStore& SeparateRoots() override { return inner_.SeparateRoots(); }

  // Below the user's copy of a key: one empty text value for each machine's
  // value of that key that this user deleted.
  static constexpr char kHiddenKey[] = "Ausgeblendete HKLM-Werte";

 private:
  bool Hidden(const std::string& key, const std::string& name);
  void Unhide(const std::string& key, const std::string& name);

  std::unique_ptr<RegistryStore> owned_;
  RegistryStore& inner_;
};

}  // namespace sorvane
