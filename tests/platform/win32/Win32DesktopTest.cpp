// The shell, the start of the update script and the connected state on the
// real system under Wine, in a temporary folder with a blank in its name.

// Lean: the shell's header would make FO_COPY and its kin macros that hide
// the constants of Shell.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/win32/Win32InternetConnection.h"
#include "platform/win32/Win32ScriptRunner.h"
#include "platform/win32/Win32Shell.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

class Win32DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    folder = std::string(temp) + "Sorvane Test " + std::to_string(GetCurrentProcessId());
    std::replace(folder.begin(), folder.end(), '\\', '/');
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // A batch file that writes "fertig" into its folder's file out.
  std::string WriteScript(const std::string& name, const std::string& out) {
    std::string target = folder + "/" + out;
    std::replace(target.begin(), target.end(), '/', '\\');
    std::ofstream(folder + "/" + name, std::ios::binary) << "@echo off\r\necho fertig> \"" << target << "\"\r\n";
    return folder + "/" + name;
  }
  // Whether the file appears within a bounded time; the script runs on its own.
  bool Appears(const std::string& name) {
    for (int i = 0; i < 300; ++i) {
      std::error_code error;
      if (fs::file_size(folder + "/" + name, error) > 0 && !error) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }
  void Write(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(folder + "/" + path).parent_path());
    std::ofstream(folder + "/" + path, std::ios::binary) << text;
  }

  std::string folder;  // in the program's "/" form
};

TEST_F(Win32DesktopTest, TheScriptRunsDetachedThroughTheCommandInterpreter) {
  Win32ScriptRunner().RunDetached(WriteScript("Update.bat", "gelaufen.txt"));
  EXPECT_TRUE(Appears("gelaufen.txt"));
}

TEST_F(Win32DesktopTest, OpenStartsAFileWithItsAssociatedProgram) {
  Win32Shell().Open(WriteScript("Oeffnen.bat", "geoeffnet.txt"), "", "", SW_HIDE);
  EXPECT_TRUE(Appears("geoeffnet.txt"));
}

TEST_F(Win32DesktopTest, FileOperationsCopyAndDeleteFolderTrees) {
  Write("Quelle/a.txt", "a");
  Write("Quelle/Unter Ordner/b.txt", "bb");
  Write("c.txt", "c");
  fs::create_directories(folder + "/Ziel");
  Win32Shell shell;
  ASSERT_TRUE(shell.FileOperation(Shell::FO_COPY, {folder + "/Quelle", folder + "/c.txt"}, folder + "/Ziel", false));
  EXPECT_EQ(fs::file_size(folder + "/Ziel/Quelle/Unter Ordner/b.txt"), 2u);
  EXPECT_TRUE(fs::exists(folder + "/Ziel/c.txt"));

  ASSERT_TRUE(shell.FileOperation(Shell::FO_DELETE, {folder + "/Ziel/Quelle", folder + "/c.txt"}, "", false));
  EXPECT_FALSE(fs::exists(folder + "/Ziel/Quelle"));
  EXPECT_FALSE(fs::exists(folder + "/c.txt"));
  EXPECT_TRUE(fs::exists(folder + "/Quelle/Unter Ordner/b.txt"));
  // A file that is not there aborts nothing, yet the operation failed.
  EXPECT_FALSE(shell.FileOperation(Shell::FO_DELETE, {folder + "/Fehlt.txt"}, "", false));
}

TEST(Win32InternetConnectionTest, ALoopbackServerIsReachableWithoutANetwork) {
  EXPECT_TRUE(Win32InternetConnection().Connected("localhost:8080"));
  EXPECT_TRUE(Win32InternetConnection().Connected("127.0.0.1"));
}

}  // namespace
}  // namespace sorvane
