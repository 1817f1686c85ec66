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

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(), [&](const auto& n) { return Folded(n) == Folded(name); });
}

// Both lists in one, sorted as the stores sort them; a name in both (in
// any case) counts once, with the user's spelling.
std::vector<std::string> Merged(std::vector<std::string> user, const std::vector<std::string>& machine) {
  const auto before = [](const std::string& a, const std::string& b) { return Folded(a) < Folded(b); };
  for (const auto& name : machine)
    if (!Contains(user, name)) user.push_back(name);
  std::stable_sort(user.begin(), user.end(), before);
  return user;
}

std::string HiddenKeyOf(const std::string& key) {
  const std::string hidden = UserFallbackRegistryStore::kHiddenKey;
  return key.empty() ? hidden : key + "\\" + hidden;
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
  auto user = inner_.SubKeyNames(kUser, key);
  std::erase_if(user, [](const std::string& name) { return Folded(name) == Folded(kHiddenKey); });
  return Merged(std::move(user), inner_.SubKeyNames(kMachine, key));
}

std::vector<std::string> UserFallbackRegistryStore::ValueNames(RegistryRoot root, const std::string& key) {
  if (root == kUser) return inner_.ValueNames(root, key);
  auto machine = inner_.ValueNames(kMachine, key);
  const auto hidden = inner_.ValueNames(kUser, HiddenKeyOf(key));
  std::erase_if(machine, [&](const std::string& name) { return Contains(hidden, name); });
  return Merged(inner_.ValueNames(kUser, key), machine);
}

std::optional<RegistryValue> UserFallbackRegistryStore::ReadValue(RegistryRoot root, const std::string& key,
                                                                  const std::string& name) {
  if (root == kUser) return inner_.ReadValue(root, key, name);
  if (auto copy = inner_.ReadValue(kUser, key, name)) return copy;
  if (Hidden(key, name)) return std::nullopt;
  return inner_.ReadValue(kMachine, key, name);
}

bool UserFallbackRegistryStore::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                           const RegistryValue& value) {
  if (root == kUser) return inner_.WriteValue(root, key, name, value);
  bool written = false;
  if (Refused([&] { written = inner_.WriteValue(kMachine, key, name, value); })) {
    inner_.CreateKey(kUser, key);
    written = inner_.WriteValue(kUser, key, name, value);
  } else if (!written) {
    written = inner_.WriteValue(kUser, key, name, value);  // a key that exists for the user only
  } else if (inner_.ReadValue(kUser, key, name)) {
    // The machine's value is the newest now; a user copy would hide it.
    Refused([&] { inner_.DeleteValue(kUser, key, name); });
  }
  if (written) Unhide(key, name);
  return written;
}

bool UserFallbackRegistryStore::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  if (root == kUser) return inner_.DeleteValue(root, key, name);
  const bool present = ReadValue(kMachine, key, name).has_value();
  inner_.DeleteValue(kUser, key, name);
  // Windows refuses an account without elevation even the opening of a
  // machine's key for a change, whether the value is there or not.
  if (Refused([&] { inner_.DeleteValue(kMachine, key, name); }) && inner_.ReadValue(kMachine, key, name)) {
    inner_.CreateKey(kUser, HiddenKeyOf(key));
    inner_.WriteValue(kUser, HiddenKeyOf(key), name, {RegistryType::String, ""});
  }
  return present;
}

bool UserFallbackRegistryStore::Hidden(const std::string& key, const std::string& name) {
  return inner_.ReadValue(kUser, HiddenKeyOf(key), name).has_value();
}

void UserFallbackRegistryStore::Unhide(const std::string& key, const std::string& name) {
  if (!Hidden(key, name)) return;
  const std::string hidden = HiddenKeyOf(key);
  inner_.DeleteValue(kUser, hidden, name);
  if (inner_.ValueNames(kUser, hidden).empty() && inner_.SubKeyNames(kUser, hidden).empty())
    inner_.DeleteKey(kUser, hidden);
}

}  // namespace sorvane
