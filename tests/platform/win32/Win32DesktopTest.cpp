// The shell, the start of the update script and the connected state on the
// real system under Wine, in temporary folders with blanks and umlauts in
// their names (UTF-8 here, as the program keeps paths).

// Lean: the shell's header would make FO_COPY and its kin macros that hide
// the constants of Shell.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "Win32TestFolder.h"
#include "platform/NativeServices.h"
#include "platform/win32/Win32EngineFolder.h"
#include "platform/win32/Win32InternetConnection.h"
#include "platform/win32/Win32ScriptRunner.h"
#include "platform/win32/Win32Shell.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

fs::path Native(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// Whether the file is there (or, with present false, gone) within a bounded
// time; a detached script runs on its own.
bool Becomes(const std::string& file, bool present) {
  for (int i = 0; i < 300; ++i) {
    if (fs::exists(Native(file)) == present) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

class Win32DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = testing::MakeTestFolder("Sorvane Test") + "/Pr\xC3\xBC" "fung \xC3\x84";  // "Prüfung Ä"
    fs::create_directory(Native(folder));
  }
  void TearDown() override { testing::RemoveTestFolder(folder.substr(0, folder.rfind('/'))); }

  void Write(const std::string& path, const std::string& bytes) {
    fs::create_directories(Native(folder + "/" + path).parent_path());
    std::ofstream(Native(folder + "/" + path), std::ios::binary) << bytes;
  }
  bool Exists(const std::string& path) { return fs::exists(Native(folder + "/" + path)); }

  std::string folder;
};

// The lines the program writes into "Update.bat" in the system's dialect:
// the folder in the OEM code page, which cmd.exe reads, and its "%" signs
// such that they stay; the script finds the folder and deletes itself.
TEST_F(Win32DesktopTest, TheUpdateScriptRunsDetachedFindsItsFolderAndRemovesItself) {
  const auto dialect = NewScriptDialect();
  EXPECT_EQ(dialect->Path("C:/J\xC3\xBCrgen/"), "C:\\J\x81rgen\\") << "\"\xC3\xBC\" in code pages 437 and 850";
  const std::string scripts = folder + "/50% von 100%";
  Write("50% von 100%/Update.bat", "@echo off\r\necho fertig> \"" + dialect->Path(scripts + "/") + "gelaufen.txt\"" +
                                      dialect->LineEnd() + dialect->RemovalLine(scripts + "/Update.bat") +
                                      dialect->LineEnd());
  Win32ScriptRunner().RunDetached(scripts + "/Update.bat");
  EXPECT_TRUE(Becomes(scripts + "/gelaufen.txt", true));
  EXPECT_TRUE(Becomes(scripts + "/Update.bat", false));
}

// In the parent folder: Wine 8's ShellExecuteA does not come back from a
// batch file in a folder whose name has an umlaut.
TEST_F(Win32DesktopTest, OpenStartsAFileWithItsAssociatedProgram) {
  const std::string parent = folder.substr(0, folder.rfind('/'));
  std::ofstream(Native(parent + "/Oeffnen.bat"), std::ios::binary)
      << "@echo off\r\necho fertig> \"%~dp0geoeffnet.txt\"\r\n";
  Win32Shell().Open(parent + "/Oeffnen.bat", "", "", SW_HIDE);
  EXPECT_TRUE(Becomes(parent + "/geoeffnet.txt", true));
}

TEST_F(Win32DesktopTest, FileOperationsCopyAndDeleteFolderTrees) {
  Write("Quelle/a.txt", "a");
  Write("Quelle/\xC3\x9C" "ber Ordner/b.txt", "bb");  // "Über Ordner"
  Write("c.txt", "c");
  fs::create_directories(Native(folder + "/Ziel"));
  Win32Shell shell;
  ASSERT_TRUE(shell.FileOperation(Shell::FO_COPY, {folder + "/Quelle", folder + "/c.txt"}, folder + "/Ziel", false));
  EXPECT_EQ(fs::file_size(Native(folder + "/Ziel/Quelle/\xC3\x9C" "ber Ordner/b.txt")), 2u);
  EXPECT_TRUE(Exists("Ziel/c.txt"));

  ASSERT_TRUE(shell.FileOperation(Shell::FO_DELETE, {folder + "/Ziel/Quelle", folder + "/c.txt"}, "", false));
  EXPECT_FALSE(Exists("Ziel/Quelle"));
  EXPECT_FALSE(Exists("c.txt"));
  EXPECT_TRUE(Exists("Quelle/\xC3\x9C" "ber Ordner/b.txt"));
  // A file that is not there aborts nothing, yet the operation failed.
  EXPECT_FALSE(shell.FileOperation(Shell::FO_DELETE, {folder + "/Fehlt.txt"}, "", false));
}

// A system folder that takes no files (here: one that is missing, as Wine
// lets everyone write everywhere) hands the engines to the user's folder,
// which is made on the way; one that takes files keeps them, and the probe
// that asked leaves nothing in it.
TEST(Win32EngineFolderTest, TheSystemFolderWhenItTakesFilesElseTheUsersOwn) {
  const std::string root = testing::MakeTestFolder("Sorvane Engines");
  const std::string system = root + "/system/";
  const std::string user = root + "/Lokal \xC3\x84/Orvel/System/";  // "Lokal Ä"
  EXPECT_EQ(ChooseEngineFolder(system, user), user);
  EXPECT_TRUE(fs::is_directory(Native(user)));
  fs::create_directory(Native(root + "/system"));
  EXPECT_EQ(ChooseEngineFolder(system, user), system);
  EXPECT_TRUE(fs::is_empty(Native(root + "/system")));
  testing::RemoveTestFolder(root);
}

TEST(Win32InternetConnectionTest, ALoopbackServerIsReachableWithoutANetwork) {
  EXPECT_TRUE(Win32InternetConnection().Connected("localhost:8080"));
  EXPECT_TRUE(Win32InternetConnection().Connected("127.0.0.1"));
}

}  // namespace
}  // namespace sorvane
