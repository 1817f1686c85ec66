#include "platform/win32/Win32RegistryStore.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/NativeServices.h"
#include "platform/Registry.h"
#include "platform/UserFallbackRegistryStore.h"
#include "platform/win32/WidePath.h"

namespace sorvane {
namespace {

// One open key, closed on every way out.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  LONG Open(HKEY base, const std::string& path, REGSAM access) {
    return RegOpenKeyExA(base, path.c_str(), 0, access, &key_);
  }
  LONG Create(HKEY base, const std::string& path, REGSAM access) {
    return RegCreateKeyExA(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr);
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return Folded(a) < Folded(b); });
  return names;
}

// The names that enumerate(index, buffer, size) gives for index 0, 1, ...;
// a name longer than the buffer is asked for again with a larger one.
template <typename Enumerate>
std::vector<std::string> Enumerated(Enumerate enumerate) {
  std::vector<std::string> names;
  std::string buffer(256, '\0');
  for (DWORD index = 0;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG result = enumerate(index, buffer.data(), &size);
    if (result == ERROR_MORE_DATA && buffer.size() < 65536) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), size);
    ++index;
  }
  return Sorted(std::move(names));
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

Win32RegistryStore::Win32RegistryStore() = default;

Win32RegistryStore::Win32RegistryStore(const std::string& privateKey) : privateKey_(privateKey) {}

std::string Win32RegistryStore::PathOf(RegistryRoot root, const std::string& key) const {
  if (privateKey_.empty()) return key;
  std::string path = privateKey_ + (root == RegistryRoot::LocalMachine ? "\\LocalMachine" : "\\CurrentUser");
  return key.empty() ? path : path + "\\" + key;
}

namespace {

HKEY Hive(RegistryRoot root, bool mapped) {
  return mapped || root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

void Win32RegistryStore::Refuse(RegistryRoot root, const std::string& key, long error) const {
  const std::string name = std::string(root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER") +
                           (key.empty() ? "" : "\\" + key);
  throw ERegistryException(FormatText(texts::kRegistryKeyRefused, name) + " (Fehler " + std::to_string(error) + ")");
}

bool Win32RegistryStore::KeyExists(RegistryRoot root, const std::string& key) {
  if (key.empty()) return true;
  OpenKey opened;
  return opened.Open(Hive(root, !privateKey_.empty()), PathOf(root, key), KEY_QUERY_VALUE) == ERROR_SUCCESS;
}

void Win32RegistryStore::CreateKey(RegistryRoot root, const std::string& key) {
  if (key.empty()) return;
  // The registry would take an empty part as a name of its own.
  if (key.front() == '\\' || key.back() == '\\' || key.find("\\\\") != std::string::npos)
    throw ERegistryException(FormatText(texts::kRegistryBadKeyName, key));
  OpenKey created;
  if (const LONG result = created.Create(Hive(root, !privateKey_.empty()), PathOf(root, key), KEY_QUERY_VALUE))
    Refuse(root, key, result);
}

void Win32RegistryStore::DeleteKey(RegistryRoot root, const std::string& key) {
  if (key.empty()) return;
  const LONG result = RegDeleteTreeA(Hive(root, !privateKey_.empty()), PathOf(root, key).c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) Refuse(root, key, result);
}

std::vector<std::string> Win32RegistryStore::SubKeyNames(RegistryRoot root, const std::string& key) {
  OpenKey opened;
  if (opened.Open(Hive(root, !privateKey_.empty()), PathOf(root, key), KEY_ENUMERATE_SUB_KEYS) != ERROR_SUCCESS)
    return {};
  return Enumerated([&](DWORD index, char* name, DWORD* size) {
    return RegEnumKeyExA(opened.Get(), index, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

std::vector<std::string> Win32RegistryStore::ValueNames(RegistryRoot root, const std::string& key) {
  OpenKey opened;
  if (opened.Open(Hive(root, !privateKey_.empty()), PathOf(root, key), KEY_QUERY_VALUE) != ERROR_SUCCESS) return {};
  return Enumerated([&](DWORD index, char* name, DWORD* size) {
    return RegEnumValueA(opened.Get(), index, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

std::optional<RegistryValue> Win32RegistryStore::ReadValue(RegistryRoot root, const std::string& key,
                                                           const std::string& name) {
  OpenKey opened;
  if (opened.Open(Hive(root, !privateKey_.empty()), PathOf(root, key), KEY_QUERY_VALUE) != ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  // The size asked first may be too small when the value changes meanwhile
  // (and is an estimate for texts, which the ANSI call converts).
  std::string data(std::max<DWORD>(size, 1), '\0');
  for (;;) {
    size = static_cast<DWORD>(data.size());
    const LONG result =
        RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_MORE_DATA) {
      data.resize(std::max<std::size_t>(size, data.size() * 2));
      continue;
    }
    if (result != ERROR_SUCCESS) return std::nullopt;
    break;
  }
  data.resize(size);
  if (IsText(type) && !data.empty() && data.back() == '\0') data.pop_back();
  return RegistryValue{static_cast<RegistryType>(type), std::move(data)};
}

bool Win32RegistryStore::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                    const RegistryValue& value) {
  OpenKey opened;
  const HKEY hive = Hive(root, !privateKey_.empty());
  // The root always exists; a mapped one is made at its first value.
  const LONG open = key.empty() ? opened.Create(hive, PathOf(root, key), KEY_SET_VALUE)
                                : opened.Open(hive, PathOf(root, key), KEY_SET_VALUE);
  if (open == ERROR_FILE_NOT_FOUND) return false;
  if (open != ERROR_SUCCESS) Refuse(root, key, open);
  LONG result = ERROR_SUCCESS;
  if (value.utf8 && IsText(static_cast<DWORD>(value.type))) {
    // A path: in UTF-16, so that the list of programs shows every letter.
    const std::wstring wideName = WideText(name);
    const std::wstring text = WideText(value.data) + L'\0';
    result = RegSetValueExW(opened.Get(), wideName.c_str(), 0, static_cast<DWORD>(value.type),
                            reinterpret_cast<const BYTE*>(text.data()), static_cast<DWORD>(text.size() * sizeof(wchar_t)));
  } else {
    std::string data = value.data;
    if (IsText(static_cast<DWORD>(value.type))) data.push_back('\0');
    result = RegSetValueExA(opened.Get(), name.c_str(), 0, static_cast<DWORD>(value.type),
                            reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
  }
  if (result != ERROR_SUCCESS) Refuse(root, key, result);
  return true;
}

bool Win32RegistryStore::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  OpenKey opened;
  const LONG open = opened.Open(Hive(root, !privateKey_.empty()), PathOf(root, key), KEY_SET_VALUE);
  if (open == ERROR_FILE_NOT_FOUND) return false;
  if (open != ERROR_SUCCESS) Refuse(root, key, open);
  const LONG result = RegDeleteValueA(opened.Get(), name.c_str());
  if (result == ERROR_FILE_NOT_FOUND) return false;
  if (result != ERROR_SUCCESS) Refuse(root, key, result);
  return true;
}

std::unique_ptr<RegistryStore> OpenUserRegistryStore() {
  return std::make_unique<UserFallbackRegistryStore>(std::make_unique<Win32RegistryStore>());
}

}  // namespace sorvane
