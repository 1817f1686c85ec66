#include "platform/posix/SqliteRegistryStore.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/Cp1252CodePage.h"
#include "platform/Registry.h"

namespace sorvane {
namespace {

// "ORVL": marks the file as ours, so that another program's database in the
// same place is never taken for an empty registry.
constexpr int kApplicationId = 0x4F52564C;
constexpr int kSchemaVersion = 1;
constexpr int kBusyMilliseconds = 15000;

constexpr char kSchema[] =
    "CREATE TABLE keys("
    "  root INTEGER NOT NULL,"
    "  path BLOB NOT NULL,"    // folded path below the root
    "  parent BLOB NOT NULL,"  // folded path of the parent key ('' below the root)
    "  name BLOB NOT NULL,"    // last component as it was created
    "  PRIMARY KEY(root, path)) WITHOUT ROWID;"
    "CREATE INDEX keys_by_parent ON keys(root, parent);"
    "CREATE TABLE vals("
    "  root INTEGER NOT NULL,"
    "  key BLOB NOT NULL,"     // folded path of the key
    "  folded BLOB NOT NULL,"  // folded value name
    "  name BLOB NOT NULL,"    // value name as it was first written
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  PRIMARY KEY(root, key, folded)) WITHOUT ROWID;"
    "PRAGMA application_id = 1330796108;"
    "PRAGMA user_version = 1;";
static_assert(kApplicationId == 1330796108);

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string ParentOf(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string LastComponent(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int RootNumber(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? 0 : 1; }

// Makes folder and every missing folder above it, each with mode 0700.
bool MakeFolders(const std::string& folder) {
  struct stat info {};
  if (folder.empty() || stat(folder.c_str(), &info) == 0) return !folder.empty() && S_ISDIR(info.st_mode);
  const auto slash = folder.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash))) return false;
  return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

[[noreturn]] void ReportDamaged(const std::string& file) {
  throw ERegistryDamaged(FormatText(texts::kRegistryDamaged, file));
}

// One prepared statement with its bindings, finalised on every way out. A
// step on which SQLite finds the file corrupt throws ERegistryDamaged.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& file, const char* sql) : db_(db), file_(file) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
      if (sqlite3_errcode(db) == SQLITE_CORRUPT) ReportDamaged(file);
      stmt_ = nullptr;
    }
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool Ok() const { return stmt_ != nullptr; }
  Statement& Bind(int index, int number) {
    if (stmt_) sqlite3_bind_int(stmt_, index, number);
    return *this;
  }
  // Bytes as a BLOB: the data() of a std::string is never null, so an empty
  // name binds as an empty BLOB rather than NULL.
  Statement& Bind(int index, const std::string& bytes) {
    if (stmt_) sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    return *this;
  }
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step() {
    const int result = stmt_ ? sqlite3_step(stmt_) : sqlite3_errcode(db_);
    if (result == SQLITE_CORRUPT) ReportDamaged(file_);
    return result;
  }
  bool Run() { return Step() == SQLITE_DONE; }
  int Int(int column) { return sqlite3_column_int(stmt_, column); }
  std::string Bytes(int column) {
    const void* data = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(size)) : std::string();
  }

 private:
  sqlite3* db_;
  const std::string& file_;
  sqlite3_stmt* stmt_ = nullptr;
};

// The folded paths of a key's subtree lie between "<key>\" and "<key>]"
// ("]" follows "\" in byte order).
std::pair<std::string, std::string> SubtreeBounds(const std::string& folded) {
  return {folded + '\\', folded + ']'};
}

}  // namespace

// One immediate write transaction: takes the write lock at once (waiting up
// to the busy time-out), checks that the file is ours and rolls back unless
// committed.
class SqliteRegistryStore::Transaction {
 public:
  explicit Transaction(SqliteRegistryStore& store) : store_(store) {
    store.Open(true);
    if (sqlite3_exec(store.db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
      if (sqlite3_errcode(store.db_) == SQLITE_NOTADB) Refuse();
      Fail();
    }
    open_ = true;
    switch (store.Identify()) {
      case Kind::Ours:
        break;
      case Kind::Empty:
        if (sqlite3_exec(store.db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
        break;
      case Kind::Foreign:
        Refuse();
      case Kind::Damaged:
        Rollback();
        ReportDamaged(store_.file_);
    }
    store.ours_ = true;
  }
  ~Transaction() { Rollback(); }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  sqlite3* Db() const { return store_.db_; }
  void Check(bool ok) {
    if (!ok) Fail();
  }
  void Commit() {
    if (sqlite3_exec(store_.db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
    open_ = false;
  }

 private:
  // The constructor's failures too end the transaction: no destructor runs
  // for an object whose construction threw.
  void Rollback() {
    if (open_) sqlite3_exec(store_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
    open_ = false;
  }
  [[noreturn]] void Fail() {
    if (sqlite3_errcode(store_.db_) == SQLITE_CORRUPT) {
      Rollback();
      ReportDamaged(store_.file_);
    }
    std::string text = FormatText(texts::kRegistryNotWritable, store_.file_) + " (" + sqlite3_errmsg(store_.db_) + ")";
    Rollback();
    throw ERegistryException(text);
  }
  [[noreturn]] void Refuse() {
    Rollback();
    throw ERegistryException(FormatText(texts::kRegistryForeignFile, store_.file_));
  }

  SqliteRegistryStore& store_;
  bool open_ = false;
};

SqliteRegistryStore::SqliteRegistryStore(std::string folder)
    : folder_(std::move(folder)), file_(folder_ + "/" + kFileName) {}

SqliteRegistryStore::~SqliteRegistryStore() { sqlite3_close(db_); }

bool SqliteRegistryStore::Open(bool forWrite) {
  if (db_) return true;
  if (!forWrite && access(file_.c_str(), F_OK) != 0) return false;
  if (forWrite && !MakeFolders(folder_))
    throw ERegistryException(FormatText(texts::kRegistryNotWritable, file_) + " (Ordner fehlt)");
  // A new file is the user's alone, even in a folder that others may read;
  // SQLite gives its journal the same mode. An empty file is an empty
  // database to it.
  if (forWrite) {
    const int made = open(file_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made >= 0) close(made);
  }
  const int flags = SQLITE_OPEN_READWRITE | (forWrite ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(file_.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    sqlite3_close(db_);
    db_ = nullptr;
    if (!forWrite) return false;
    throw ERegistryException(FormatText(texts::kRegistryNotWritable, file_));
  }
  sqlite3_busy_timeout(db_, kBusyMilliseconds);
  return true;
}

SqliteRegistryStore::Kind SqliteRegistryStore::Identify() {
  // Only reads here: a file that turns out not to be ours is never written.
  try {
    Statement id(db_, file_, "PRAGMA application_id");
    if (!id.Ok() || id.Step() != SQLITE_ROW) return Kind::Foreign;  // not SQLite at all
    const int application = id.Int(0);
    if (application == kApplicationId) {
      Statement version(db_, file_, "PRAGMA user_version");
      if (version.Step() != SQLITE_ROW || version.Int(0) != kSchemaVersion) return Kind::Foreign;
      return Intact() ? Kind::Ours : Kind::Damaged;
    }
    if (application != 0) return Kind::Foreign;
    Statement tables(db_, file_, "SELECT count(*) FROM sqlite_schema");
    return tables.Step() == SQLITE_ROW && tables.Int(0) == 0 ? Kind::Empty : Kind::Foreign;
  } catch (const ERegistryDamaged&) {
    return Kind::Damaged;
  }
}

bool SqliteRegistryStore::Intact() {
  // Damage in pages that a lookup happens not to touch would otherwise show
  // as a missing key, so the whole file is checked once per connection.
  if (checked_) return true;
  Statement check(db_, file_, "PRAGMA quick_check(1)");
  checked_ = check.Step() == SQLITE_ROW && check.Bytes(0) == "ok";
  return checked_;
}

bool SqliteRegistryStore::Readable() {
  if (ours_) return true;
  if (!Open(false)) return false;
  const Kind kind = Identify();
  if (kind == Kind::Damaged) ReportDamaged(file_);
  ours_ = kind == Kind::Ours;
  return ours_;
}

bool SqliteRegistryStore::KeyExists(RegistryRoot root, const std::string& key) {
  if (key.empty()) return true;
  if (!Readable()) return false;
  Statement find(db_, file_, "SELECT 1 FROM keys WHERE root = ?1 AND path = ?2");
  find.Bind(1, RootNumber(root)).Bind(2, Folded(key));
  return find.Step() == SQLITE_ROW;
}

void SqliteRegistryStore::CreateKey(RegistryRoot root, const std::string& key) {
  if (key.empty()) return;
  if (key.front() == '\\' || key.back() == '\\' || key.find("\\\\") != std::string::npos)
    throw ERegistryException(FormatText(texts::kRegistryBadKeyName, key));
  Transaction transaction(*this);
  // Every key on the way down, each keeping the spelling it already has.
  for (std::size_t end = 0; end != std::string::npos;) {
    end = key.find('\\', end + 1);
    const std::string path = key.substr(0, end);
    Statement insert(transaction.Db(), file_,
                     "INSERT INTO keys(root, path, parent, name) VALUES(?1, ?2, ?3, ?4) "
                     "ON CONFLICT(root, path) DO NOTHING");
    insert.Bind(1, RootNumber(root)).Bind(2, Folded(path)).Bind(3, Folded(ParentOf(path))).Bind(4, LastComponent(path));
    transaction.Check(insert.Run());
  }
  transaction.Commit();
}

void SqliteRegistryStore::DeleteKey(RegistryRoot root, const std::string& key) {
  if (key.empty() || !KeyExists(root, key)) return;
  Transaction transaction(*this);
  const std::string folded = Folded(key);
  const auto [low, high] = SubtreeBounds(folded);
  for (const char* sql : {"DELETE FROM keys WHERE root = ?1 AND (path = ?2 OR (path >= ?3 AND path < ?4))",
                          "DELETE FROM vals WHERE root = ?1 AND (key = ?2 OR (key >= ?3 AND key < ?4))"}) {
    Statement erase(transaction.Db(), file_, sql);
    erase.Bind(1, RootNumber(root)).Bind(2, folded).Bind(3, low).Bind(4, high);
    transaction.Check(erase.Run());
  }
  transaction.Commit();
}

std::vector<std::string> SqliteRegistryStore::SubKeyNames(RegistryRoot root, const std::string& key) {
  std::vector<std::string> names;
  if (!Readable()) return names;
  Statement list(db_, file_, "SELECT name FROM keys WHERE root = ?1 AND parent = ?2 ORDER BY path");
  list.Bind(1, RootNumber(root)).Bind(2, Folded(key));
  while (list.Step() == SQLITE_ROW) names.push_back(list.Bytes(0));
  return names;
}

std::vector<std::string> SqliteRegistryStore::ValueNames(RegistryRoot root, const std::string& key) {
  std::vector<std::string> names;
  if (!Readable()) return names;
  Statement list(db_, file_, "SELECT name FROM vals WHERE root = ?1 AND key = ?2 ORDER BY folded");
  list.Bind(1, RootNumber(root)).Bind(2, Folded(key));
  while (list.Step() == SQLITE_ROW) names.push_back(list.Bytes(0));
  return names;
}

std::optional<RegistryValue> SqliteRegistryStore::ReadValue(RegistryRoot root, const std::string& key,
                                                            const std::string& name) {
  if (!Readable()) return std::nullopt;
  Statement read(db_, file_, "SELECT type, data FROM vals WHERE root = ?1 AND key = ?2 AND folded = ?3");
  read.Bind(1, RootNumber(root)).Bind(2, Folded(key)).Bind(3, Folded(name));
  if (read.Step() != SQLITE_ROW) return std::nullopt;
  return RegistryValue{static_cast<RegistryType>(read.Int(0)), read.Bytes(1)};
}

bool SqliteRegistryStore::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                     const RegistryValue& value) {
  if (!KeyExists(root, key)) return false;
  Transaction transaction(*this);
  // The key may have gone between the look and the lock.
  Statement find(transaction.Db(), file_, "SELECT 1 FROM keys WHERE root = ?1 AND path = ?2");
  find.Bind(1, RootNumber(root)).Bind(2, Folded(key));
  if (!key.empty() && find.Step() != SQLITE_ROW) return false;
  Statement write(transaction.Db(), file_,
                  "INSERT INTO vals(root, key, folded, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5, ?6) "
                  "ON CONFLICT(root, key, folded) DO UPDATE SET type = excluded.type, data = excluded.data");
  write.Bind(1, RootNumber(root)).Bind(2, Folded(key)).Bind(3, Folded(name)).Bind(4, name);
  // The file keeps every text in Windows-1252, as the program reads it back.
  const std::string data = value.utf8 ? Cp1252CodePage().Utf8ToAnsi(value.data) : value.data;
  write.Bind(5, static_cast<int>(value.type)).Bind(6, data);
  transaction.Check(write.Run());
  transaction.Commit();
  return true;
}

bool SqliteRegistryStore::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  if (!ReadValue(root, key, name)) return false;
  Transaction transaction(*this);
  Statement erase(transaction.Db(), file_, "DELETE FROM vals WHERE root = ?1 AND key = ?2 AND folded = ?3");
  erase.Bind(1, RootNumber(root)).Bind(2, Folded(key)).Bind(3, Folded(name));
  transaction.Check(erase.Run());
  const bool deleted = sqlite3_changes(transaction.Db()) > 0;
  transaction.Commit();
  return deleted;
}

}  // namespace sorvane
