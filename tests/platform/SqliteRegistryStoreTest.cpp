// The registry promises on the SQLite store in a temporary folder, and what
// only the file-backed store can get wrong: other processes at the same
// time, a process killed mid-write, a file that is not ours, where it lives.

#include "platform/posix/SqliteRegistryStore.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "RegistryStoreContract.h"
#include "fakes/DamagedRegistryFile.h"
#include "platform/Registry.h"
#include "platform/posix/UserRegistry.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

StorePlace SqlitePlace() {
  std::string pattern = ::testing::TempDir() + "sorvane-reg-XXXXXX";
  const std::string folder = ::mkdtemp(pattern.data());
  return {std::make_unique<SqliteRegistryStore>(folder + "/orvel"), [folder] { fs::remove_all(folder); }};
}

INSTANTIATE_TEST_SUITE_P(Sqlite, RegistryStoreContractTest, ::testing::Values(&SqlitePlace), StoreName);
constexpr char kKey[] = "\\SOFTWARE\\Orvel\\Sorvane";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs body in a child process and gives its pid; the child ends with 0 when
// body returns and with 1 when it throws.
template <typename Body>
pid_t InChild(Body body) {
  const pid_t pid = fork();
  if (pid == 0) {
    int status = 0;
    try {
      body();
    } catch (...) {
      status = 1;
    }
    _exit(status);
  }
  return pid;
}

int ExitStatusOf(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SqliteRegistryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "sorvane-sqlite-XXXXXX";
    base_ = ::mkdtemp(pattern.data());
    folder_ = base_ / "config" / "orvel";
  }
  void TearDown() override { fs::remove_all(base_); }
  fs::path File() const { return folder_ / SqliteRegistryStore::kFileName; }

  fs::path base_;
  fs::path folder_;
};

TEST_F(SqliteRegistryStoreTest, ReadingMakesNothingAndTheFirstWriteMakesAPrivateFolder) {
  SqliteRegistryStore store(folder_.string());
  Registry registry(store);
  EXPECT_FALSE(registry.OpenKey(kKey, false));
  EXPECT_FALSE(fs::exists(base_ / "config"));

  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("DisplayName", "Sorvane");
  // The file keeps Windows-1252 text; a path comes as UTF-8.
  registry.WritePath("DisplayIcon", "/opt/\xC3\x9C" "ber/sorvane");
  EXPECT_EQ(registry.ReadString("DisplayIcon"), "/opt/\xDC" "ber/sorvane");
  struct stat info {};
  ASSERT_EQ(stat(folder_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  ASSERT_EQ(stat((base_ / "config").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  ASSERT_EQ(stat(File().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  // Another store on the same file sees it.
  SqliteRegistryStore again(folder_.string());
  EXPECT_EQ(again.ReadValue(RegistryRoot::CurrentUser, "software\\orvel\\sorvane", "displayname")->data, "Sorvane");
}

TEST_F(SqliteRegistryStoreTest, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kEach = 120;
  auto writer = [&](const std::string& prefix) {
    return [this, prefix] {
      SqliteRegistryStore store(folder_.string());
      Registry registry(store);
      registry.SetRootKey(RegistryRoot::LocalMachine);
      for (int i = 0; i < kEach; ++i) {
        if (!registry.OpenKey(kKey, true)) throw std::runtime_error("key");
        registry.WriteInteger(prefix + std::to_string(i), i);
        registry.CloseKey();
      }
    };
  };
  const pid_t first = InChild(writer("A"));
  const pid_t second = InChild(writer("B"));
  EXPECT_EQ(ExitStatusOf(first), 0);
  EXPECT_EQ(ExitStatusOf(second), 0);

  SqliteRegistryStore store(folder_.string());
  const auto names = store.ValueNames(RegistryRoot::LocalMachine, kKey + 1);
  EXPECT_EQ(names.size(), 2u * kEach);
  Registry registry(store);
  registry.SetRootKey(RegistryRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(kKey, false));
  EXPECT_EQ(registry.ReadInteger("A119"), 119);
  EXPECT_EQ(registry.ReadInteger("B0"), 0);
}

TEST_F(SqliteRegistryStoreTest, AProcessKilledWhileWritingLeavesTheOldOrTheNewValue) {
  // Each write replaces a large value (many database pages) with one of a
  // single repeated letter, so a torn write would show as mixed letters.
  constexpr std::size_t kSize = 300000;
  for (int round = 0; round < 4; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = InChild([&] {
      close(ready[0]);
      SqliteRegistryStore store(folder_.string());
      Registry registry(store);
      if (!registry.OpenKey(kKey, true)) throw std::runtime_error("key");
      for (int i = 0;; ++i) {
        registry.WriteBinaryData("Daten", std::string(kSize, static_cast<char>('a' + i % 26)));
        if (i == 0 && write(ready[1], "x", 1) != 1) throw std::runtime_error("pipe");
      }
    });
    close(ready[1]);
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    close(ready[0]);
    usleep(static_cast<useconds_t>(3000 + round * 7919));
    kill(child, SIGKILL);
    EXPECT_EQ(ExitStatusOf(child), -1);

    SqliteRegistryStore store(folder_.string());
    const auto value = store.ReadValue(RegistryRoot::CurrentUser, kKey + 1, "Daten");
    ASSERT_TRUE(value) << "round " << round;
    ASSERT_EQ(value->data.size(), kSize);
    EXPECT_EQ(value->data.find_first_not_of(value->data[0]), std::string::npos) << "round " << round;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);
  }
}

TEST_F(SqliteRegistryStoreTest, AFileThatIsNoRegistryIsRefusedAndLeftAsItWas) {
  fs::create_directories(folder_);
  // Another program's SQLite database, made here, and a plain text file.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open((base_ / "other.db").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "CREATE TABLE notes(t); INSERT INTO notes VALUES('Einkauf')", nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(other);
  const std::string foreignFiles[] = {ReadFile(base_ / "other.db"), "Meine Notizen\nnicht l\xF6schen\n"};

  for (const std::string& bytes : foreignFiles) {
    std::ofstream(File(), std::ios::binary | std::ios::trunc) << bytes;
    SqliteRegistryStore store(folder_.string());
    Registry registry(store);
    EXPECT_FALSE(registry.KeyExists(kKey));
    EXPECT_FALSE(registry.OpenKey(kKey, true));
    try {
      registry.WriteString("DisplayName", "Sorvane");
      ADD_FAILURE() << "a write into a foreign file";
    } catch (const ERegistryException& e) {
      EXPECT_STREQ(e.what(), "Fehler beim Setzen der Daten für 'DisplayName'");
    }
    // The root exists in any store; a write straight into it is refused too.
    ASSERT_TRUE(registry.OpenKey("", false));
    EXPECT_THROW(registry.WriteString("x", "y"), ERegistryException);
    try {
      store.CreateKey(RegistryRoot::CurrentUser, "Neu");
      ADD_FAILURE() << "a key made in a foreign file";
    } catch (const ERegistryException& e) {
      EXPECT_NE(std::string(e.what()).find("keine Registrierungsdatenbank"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadFile(File()), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
  }
}

TEST_F(SqliteRegistryStoreTest, ADamagedFileIsNamedOnEveryUseAndNeverWritten) {
  const std::string bytes = MakeDamagedRegistryFile(folder_.string());
  const std::string damaged = "Die Registrierung " + File().string() + " ist beschädigt; sie bleibt unverändert";
  const auto expectDamaged = [&](const std::function<void()>& use, const char* what) {
    try {
      use();
      ADD_FAILURE() << what << ": damage taken for an empty registry";
    } catch (const ERegistryDamaged& e) {
      EXPECT_EQ(e.what(), damaged) << what;
    }
  };
  SqliteRegistryStore store(folder_.string());
  Registry registry(store);
  registry.SetRootKey(RegistryRoot::LocalMachine);
  // The registration's first step opens a key that no write ever made.
  expectDamaged([&] { registry.OpenKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sorvane", true); },
                "opening for the registration");
  expectDamaged([&] { store.ReadValue(RegistryRoot::CurrentUser, kKey + 1, "Wert1"); }, "reading a value");
  expectDamaged([&] { store.CreateKey(RegistryRoot::CurrentUser, "Neu"); }, "making a key");
  expectDamaged([&] { store.DeleteKey(RegistryRoot::CurrentUser, "SOFTWARE"); }, "deleting a key");
  EXPECT_EQ(ReadFile(File()), bytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1) << "no journal left";
}

TEST_F(SqliteRegistryStoreTest, TheUsersFolderFollowsTheEnvironment) {
  std::optional<std::string> saved[3];
  const char* names[] = {"ORVEL_REGISTRY_DIR", "XDG_CONFIG_HOME", "HOME"};
  for (int i = 0; i < 3; ++i)
    if (const char* value = std::getenv(names[i])) saved[i] = value;

  setenv("HOME", "/home/jutta", 1);
  unsetenv("ORVEL_REGISTRY_DIR");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserRegistryFolder(), "/home/jutta/.config/orvel");
  setenv("XDG_CONFIG_HOME", "relativ/ungueltig", 1);
  EXPECT_EQ(UserRegistryFolder(), "/home/jutta/.config/orvel");
  setenv("XDG_CONFIG_HOME", "/srv/konfig", 1);
  EXPECT_EQ(UserRegistryFolder(), "/srv/konfig/orvel");
  setenv("ORVEL_REGISTRY_DIR", folder_.c_str(), 1);
  EXPECT_EQ(UserRegistryFolder(), folder_.string());
  // The factory's store lives there.
  const auto userStore = OpenUserRegistryStore();
  Registry registry(*userStore);
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("OnlyUpdate", "");
  EXPECT_TRUE(fs::exists(File()));

  for (int i = 0; i < 3; ++i) saved[i] ? (void)setenv(names[i], saved[i]->c_str(), 1) : (void)unsetenv(names[i]);
}

}  // namespace
}  // namespace sorvane
