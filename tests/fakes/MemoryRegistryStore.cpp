#include "fakes/MemoryRegistryStore.h"

#include <algorithm>

#include "platform/Registry.h"

namespace sorvane {
namespace {

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::pair<std::string, std::string> ParentAndName(const std::string& key) {
  const auto slash = key.rfind('\\');
  if (slash == std::string::npos) return {"", key};
  return {key.substr(0, slash), key.substr(slash + 1)};
}

}  // namespace

void MemoryRegistryStore::CheckWritable(RegistryRoot root) const {
  if (failWrites_ || (failMachineWrites_ && root == RegistryRoot::LocalMachine)) throw ERegistryException("Registrierung ist schreibgeschützt");
}

MemoryRegistryStore::Key* MemoryRegistryStore::Find(RegistryRoot root, const std::string& key) {
  auto& tree = TreeOf(root);
  const auto it = tree.find(Folded(key));
  return it == tree.end() ? nullptr : &it->second;
}

bool MemoryRegistryStore::KeyExists(RegistryRoot root, const std::string& key) { return Find(root, key) != nullptr; }

void MemoryRegistryStore::CreateKey(RegistryRoot root, const std::string& key) {
  if (Find(root, key)) return;
  // A key name has no empty parts, as in the file-backed store.
  if (key.front() == '\\' || key.back() == '\\' || key.find("\\\\") != std::string::npos)
    throw ERegistryException("Ungültiger Schlüsselname '" + key + "'");
  CheckWritable(root);
  const auto [parent, name] = ParentAndName(key);
  CreateKey(root, parent);
  Find(root, parent)->subKeys.emplace(Folded(name), name);
  TreeOf(root).emplace(Folded(key), Key{});
}

void MemoryRegistryStore::DeleteKey(RegistryRoot root, const std::string& key) {
  if (key.empty() || !Find(root, key)) return;
  CheckWritable(root);
  auto& tree = TreeOf(root);
  const std::string folded = Folded(key);
  for (auto it = tree.begin(); it != tree.end();) {
    const bool below = it->first == folded || it->first.starts_with(folded + "\\");
    it = below ? tree.erase(it) : std::next(it);
  }
  const auto [parent, name] = ParentAndName(key);
  if (Key* up = Find(root, parent)) up->subKeys.erase(Folded(name));
}

std::vector<std::string> MemoryRegistryStore::SubKeyNames(RegistryRoot root, const std::string& key) {
  std::vector<std::string> names;
  if (const Key* found = Find(root, key))
    for (const auto& [folded, spelling] : found->subKeys) names.push_back(spelling);
  return names;
}

std::vector<std::string> MemoryRegistryStore::ValueNames(RegistryRoot root, const std::string& key) {
  std::vector<std::string> names;
  if (const Key* found = Find(root, key))
    for (const auto& [folded, entry] : found->values) names.push_back(entry.first);
  return names;
}

std::optional<RegistryValue> MemoryRegistryStore::ReadValue(RegistryRoot root, const std::string& key,
                                                            const std::string& name) {
  const Key* found = Find(root, key);
  if (!found) return std::nullopt;
  const auto it = found->values.find(Folded(name));
  if (it == found->values.end()) return std::nullopt;
  return it->second.second;
}

bool MemoryRegistryStore::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                     const RegistryValue& value) {
  Key* found = Find(root, key);
  if (!found) return false;
  CheckWritable(root);
  auto [it, inserted] = found->values.try_emplace(Folded(name), name, value);
  if (!inserted) it->second.second = value;
  return true;
}

bool MemoryRegistryStore::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  Key* found = Find(root, key);
  if (!found || !found->values.contains(Folded(name))) return false;
  CheckWritable(root);
  found->values.erase(Folded(name));
  return true;
}

}  // namespace sorvane
