#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/RegistryStore.h"

namespace sorvane {

// An in-memory registry for tests, keeping the store's contract: names
// compare without regard to ASCII case and keep their first spelling.
// FailWrites makes every change throw ERegistryException, as a store whose
// file may not be written does; FailMachineWrites only the changes below
// HKEY_LOCAL_MACHINE, as the registry of an account without elevation does.
class MemoryRegistryStore : public RegistryStore {
 public:
  void FailWrites(bool fail) { failWrites_ = fail; }
  void FailMachineWrites(bool fail) { failMachineWrites_ = fail; }

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
  struct Key {
    std::map<std::string, std::string> subKeys;  // folded name -> spelling
    std::map<std::string, std::pair<std::string, RegistryValue>> values;  // folded -> (spelling, value)
  };
  using Tree = std::map<std::string, Key>;  // folded full path -> key

  Tree& TreeOf(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? machine_ : user_; }
  Key* Find(RegistryRoot root, const std::string& key);
  void CheckWritable(RegistryRoot root) const;

  Tree machine_{{"", {}}};
  Tree user_{{"", {}}};
  bool failWrites_ = false;
  bool failMachineWrites_ = false;
};

}  // namespace sorvane
