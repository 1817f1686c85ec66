#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Errors.h"
#include "platform/RegistryStore.h"

namespace sorvane {

// The registry layer's failure.
class ERegistryException : public Exception {
  using Exception::Exception;
};

// A store whose file is damaged: it is neither read as empty nor written.
// Its text names the file; it passes through every layer that would turn a
// refused write into the value's own failure or a plain "no".
class ERegistryDamaged : public ERegistryException {
  using ERegistryException::ERegistryException;
};

namespace texts {
inline constexpr char kRegSetDataFailed[] = "Fehler beim Setzen der Daten für '%s'";
inline constexpr char kRegInvalidDataType[] = "Ungültiger Datentyp für '%s'";
// A store refuses a key path with an empty part ("a\\b").
inline constexpr char kRegistryBadKeyName[] = "Ungültiger Schlüsselname '%s'";
}  // namespace texts

// One registry object as the program's units use it: a selected root, at most
// one open key, and typed reads and writes of that key's values. A fresh
// object starts at HKEY_CURRENT_USER with no key open. Names are Windows-1252
// byte strings; key paths use "\" and may begin with it.
class Registry {
 public:
  explicit Registry(RegistryStore& store) : store_(store) {}

  RegistryRoot RootKey() const { return root_; }
  // Closes the open key.
  void SetRootKey(RegistryRoot root);

  // Opens key relative to the root, creating it (and its parents) when
  // canCreate. False when it does not exist and may not be created, or when
  // it cannot be created; no key is open then.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();
  // The open key's path below the root; empty when none is open.
  const std::string& CurrentPath() const { return path_; }
  bool HasCurrentKey() const { return open_; }

  // Writes raise ERegistryException "Fehler beim Setzen der Daten für '<name>'"
  // when no key is open or the store refuses the write.
  void WriteString(const std::string& name, const std::string& value);
  // A text that holds a path of the program (UTF-8), which the list of
  // installed programs is to show as it is, whatever letters it holds.
  void WritePath(const std::string& name, const std::string& utf8);
  void WriteInteger(const std::string& name, std::int32_t value);
  void WriteBinaryData(const std::string& name, const std::string& bytes);

  // Reads raise ERegistryException "Ungültiger Datentyp für '<name>'" when the
  // value has another type. ReadString gives "" for a missing value; the
  // others raise the same error then, as the registry layer does.
  std::string ReadString(const std::string& name);
  std::int32_t ReadInteger(const std::string& name);
  std::string ReadBinaryData(const std::string& name);

  bool ValueExists(const std::string& name);
  // The value's type and size in bytes (REG_SZ counts its terminating NUL);
  // nullopt when the value does not exist.
  std::optional<RegistryType> GetDataType(const std::string& name);
  int GetDataSize(const std::string& name);  // -1 when missing
  bool DeleteValue(const std::string& name);

  // Relative to the open key when one is open, else to the root; a leading "\"
  // makes it relative to the root.
  bool KeyExists(const std::string& key);
  bool DeleteKey(const std::string& key);

 private:
  std::string Resolve(const std::string& key) const;
  void Write(const std::string& name, const RegistryValue& value);

  RegistryStore& store_;
  RegistryRoot root_ = RegistryRoot::CurrentUser;
  bool open_ = false;
  std::string path_;
};

}  // namespace sorvane
