#include "platform/Registry.h"

#include <cstring>

namespace sorvane {
namespace {

// "\a\b\" and "a\b" name the same key.
std::string Trimmed(const std::string& key) {
  std::size_t begin = 0, end = key.size();
  while (begin < end && key[begin] == '\\') ++begin;
  while (end > begin && key[end - 1] == '\\') --end;
  return key.substr(begin, end - begin);
}

std::string Joined(const std::string& base, const std::string& relative) {
  if (base.empty()) return relative;
  if (relative.empty()) return base;
  return base + "\\" + relative;
}

[[noreturn]] void Fail(const char* pattern, const std::string& name) {
  throw ERegistryException(FormatText(pattern, name));
}

}  // namespace

std::string Registry::Resolve(const std::string& key) const {
  // A key given with a leading separator starts at the root, else at the
  // open key.
  return (!key.empty() && key.front() == '\\') ? Trimmed(key) : Joined(path_, Trimmed(key));
}

void Registry::SetRootKey(RegistryRoot root) {
  CloseKey();
  root_ = root;
}

bool Registry::OpenKey(const std::string& key, bool canCreate) {
  const std::string path = Resolve(key);
  if (!store_.KeyExists(root_, path)) {
    if (!canCreate) return false;
    try {
      store_.CreateKey(root_, path);
    } catch (const ERegistryDamaged&) {
      throw;
    } catch (const ERegistryException&) {
      return false;
    }
  }
  open_ = true;
  path_ = path;
  return true;
}

void Registry::CloseKey() {
  open_ = false;
  path_.clear();
}

void Registry::Write(const std::string& name, const RegistryValue& value) {
  bool written = false;
  try {
    written = open_ && store_.WriteValue(root_, path_, name, value);
  } catch (const ERegistryDamaged&) {
    throw;
  } catch (const ERegistryException&) {
  }
  if (!written) Fail(texts::kRegSetDataFailed, name);
}

void Registry::WriteString(const std::string& name, const std::string& value) {
  Write(name, {RegistryType::String, value});
}

void Registry::WritePath(const std::string& name, const std::string& utf8) {
  Write(name, {RegistryType::String, utf8, true});
}

void Registry::WriteInteger(const std::string& name, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  Write(name, {RegistryType::DWord, data});
}

void Registry::WriteBinaryData(const std::string& name, const std::string& bytes) {
  Write(name, {RegistryType::Binary, bytes});
}

std::string Registry::ReadString(const std::string& name) {
  if (!open_) return {};
  const auto value = store_.ReadValue(root_, path_, name);
  if (!value) return {};
  if (value->type != RegistryType::String) Fail(texts::kRegInvalidDataType, name);
  // The text ends at its first NUL, as a C string read back would.
  return value->data.substr(0, value->data.find('\0'));
}

std::int32_t Registry::ReadInteger(const std::string& name) {
  const auto value = open_ ? store_.ReadValue(root_, path_, name) : std::nullopt;
  if (!value || value->type != RegistryType::DWord || value->data.size() != 4) Fail(texts::kRegInvalidDataType, name);
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(value->data[i]);
  return static_cast<std::int32_t>(bits);
}

std::string Registry::ReadBinaryData(const std::string& name) {
  const auto value = open_ ? store_.ReadValue(root_, path_, name) : std::nullopt;
  if (!value || value->type != RegistryType::Binary) Fail(texts::kRegInvalidDataType, name);
  return value->data;
}

bool Registry::ValueExists(const std::string& name) {
  return open_ && store_.ReadValue(root_, path_, name).has_value();
}

std::optional<RegistryType> Registry::GetDataType(const std::string& name) {
  if (!open_) return std::nullopt;
  const auto value = store_.ReadValue(root_, path_, name);
  if (!value) return std::nullopt;
  return value->type;
}

int Registry::GetDataSize(const std::string& name) {
  if (!open_) return -1;
  const auto value = store_.ReadValue(root_, path_, name);
  if (!value) return -1;
  const int size = static_cast<int>(value->data.size());
  return value->type == RegistryType::String ? size + 1 : size;
}

bool Registry::DeleteValue(const std::string& name) {
  if (!open_) return false;
  try {
    return store_.DeleteValue(root_, path_, name);
  } catch (const ERegistryDamaged&) {
    throw;
  } catch (const ERegistryException&) {
    return false;
  }
}

bool Registry::KeyExists(const std::string& key) {
  const std::string path = Resolve(key);
  return store_.KeyExists(root_, path);
}

bool Registry::DeleteKey(const std::string& key) {
  const std::string path = Resolve(key);
  if (path.empty() || !store_.KeyExists(root_, path)) return false;
  try {
    store_.DeleteKey(root_, path);
  } catch (const ERegistryDamaged&) {
    throw;
  } catch (const ERegistryException&) {
    return false;
  }
  return !store_.KeyExists(root_, path);
}

}  // namespace sorvane
