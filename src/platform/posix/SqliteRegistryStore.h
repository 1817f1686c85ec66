#pragma once

#include <string>

#include "platform/RegistryStore.h"

struct sqlite3;

namespace sorvane {

// The registry on Linux: one SQLite database "registry.sqlite3" in a folder
// of the user's, holding both roots. Names are stored as bytes (bound, never
// spliced into SQL), beside their ASCII-folded form that the lookups use.
//
// Every change is one immediate transaction, so a crash leaves the old or the
// new state, and a second program writing at the same time waits for the lock
// (busy time-out) instead of failing. The folder and the file are made at the
// first change, the folder with mode 0700; reading a store that does not
// exist yet creates nothing.
//
// A file that is not a registry database (not SQLite at all, or another
// program's SQLite database) is left exactly as it is: reads see an empty
// tree and every change throws ERegistryException. Our database damaged (SQLite
// finds it corrupt) is left as it is too, but every read and change throws
// ERegistryDamaged, so that damage never reads as a missing key.
class SqliteRegistryStore : public RegistryStore {
 public:
  static constexpr char kFileName[] = "registry.sqlite3";

  explicit SqliteRegistryStore(std::string folder);
  ~SqliteRegistryStore() override;
  SqliteRegistryStore(const SqliteRegistryStore&) = delete;
  SqliteRegistryStore& operator=(const SqliteRegistryStore&) = delete;

  const std::string& DatabasePath() const { return file_; }

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
  enum class Kind { Ours, Empty, Foreign, Damaged };
  class Transaction;

  // Opens the connection; false when there is nothing to read (no file yet)
  // and forWrite is false. Throws ERegistryException when a write cannot
  // open or create the file.
  bool Open(bool forWrite);
  Kind Identify();
  // True when reads may query the tables; throws ERegistryDamaged.
  bool Readable();
  // Our database passes SQLite's check of its structure.
  bool Intact();

  std::string folder_;
  std::string file_;
  sqlite3* db_ = nullptr;
  bool ours_ = false;     // the tables exist (it stays so for this connection)
  bool checked_ = false;  // the file passed the structure check
};

namespace texts {
inline constexpr char kRegistryNotWritable[] = "Die Registrierung %s kann nicht geschrieben werden";
inline constexpr char kRegistryForeignFile[] =
    "Die Datei %s ist keine Registrierungsdatenbank; sie bleibt unverändert";
inline constexpr char kRegistryDamaged[] = "Die Registrierung %s ist beschädigt; sie bleibt unverändert";
}  // namespace texts

}  // namespace sorvane
