#include "platform/UserFallbackRegistryStore.h"

#include <algorithm>

#include "platform/Registry.h"

namespace sorvane {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Both lists in one, sorted as the stores sort them; a name in both (in
// any case) counts once, with the user's spelling.
std::vector<std::string> Merged(std::vector<std::string> user, const std::vector<std::string>& machine) {
  const auto before = [](const std::string& a, const std::string& b) { return Folded(a) < Folded(b); };
  for (const auto& name : machine) {
    const bool known = std::any_of(user.begin(), user.end(), [&](const auto& u) { return Folded(u) == Folded(name); });
    if (!known) user.push_back(name);
  }
  std::stable_sort(user.begin(), user.end(), before);
  return user;
}

// Runs a change; true when the store refused it. Damage is no refusal and
// goes on to the caller.
template <typename Change>
bool Refused(Change change) {
  try {
    change();
  } catch (const ERegistryDamaged&) {
    throw;
  } catch (const ERegistryException&) {
    return true;
  }
  return false;
}

}  // namespace

bool UserFallbackRegistryStore::KeyExists(RegistryRoot root, const std::string& key) {
  return inner_.KeyExists(root, key) || (root == kMachine && inner_.KeyExists(kUser, key));
}

void UserFallbackRegistryStore::CreateKey(RegistryRoot root, const std::string& key) {
  if (root == kUser) return inner_.CreateKey(root, key);
  if (Refused([&] { inner_.CreateKey(kMachine, key); })) inner_.CreateKey(kUser, key);
}

void UserFallbackRegistryStore::DeleteKey(RegistryRoot root, const std::string& key) {
  if (root == kMachine) inner_.DeleteKey(kUser, key);
  inner_.DeleteKey(root, key);
}

std::vector<std::string> UserFallbackRegistryStore::SubKeyNames(RegistryRoot root, const std::string& key) {
  if (root == kUser) return inner_.SubKeyNames(root, key);
  return Merged(inner_.SubKeyNames(kUser, key), inner_.SubKeyNames(kMachine, key));
}

std::vector<std::string> UserFallbackRegistryStore::ValueNames(RegistryRoot root, const std::string& key) {
  if (root == kUser) return inner_.ValueNames(root, key);
  return Merged(inner_.ValueNames(kUser, key), inner_.ValueNames(kMachine, key));
}

std::optional<RegistryValue> UserFallbackRegistryStore::ReadValue(RegistryRoot root, const std::string& key,
                                                                  const std::string& name) {
  if (root == kMachine) {
    if (auto copy = inner_.ReadValue(kUser, key, name)) return copy;
  }
  return inner_.ReadValue(root, key, name);
}

bool UserFallbackRegistryStore::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                           const RegistryValue& value) {
  if (root == kUser) return inner_.WriteValue(root, key, name, value);
  bool written = false;
  if (Refused([&] { written = inner_.WriteValue(kMachine, key, name, value); })) {
    inner_.CreateKey(kUser, key);
    return inner_.WriteValue(kUser, key, name, value);
  }
  if (!written) return inner_.WriteValue(kUser, key, name, value);  // a key that exists for the user only
  // The machine's value is the newest now; a user copy would hide it.
  if (inner_.ReadValue(kUser, key, name)) Refused([&] { inner_.DeleteValue(kUser, key, name); });
  return true;
}

bool UserFallbackRegistryStore::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  if (root == kUser) return inner_.DeleteValue(root, key, name);
  const bool user = inner_.DeleteValue(kUser, key, name);
  return inner_.DeleteValue(kMachine, key, name) || user;
}

}  // namespace sorvane
