// What the Windows file services do beyond the file system contract: paths
// that come from Windows in "/" form, the system's sharing modes and
// temporary names, names outside the ANSI code page, file dates and drives.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "Win32TestFolder.h"
#include "platform/BackslashPath.h"
#include "platform/DateConversion.h"
#include "platform/Errors.h"
#include "platform/win32/Win32BatchPath.h"
#include "platform/win32/Win32Calendar.h"
#include "platform/win32/Win32DriveTypes.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProgramFile.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32TempFiles.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

class Win32FileServicesTest : public ::testing::Test {
 protected:
  void TearDown() override { testing::RemoveTestFolder(root); }

  std::string At(const std::string& name) const { return root + "/" + name; }

  // Sets the file's last write time to a moment in local time.
  void SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute,
                         WORD second) {
    const SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
    SYSTEMTIME universal;
    FILETIME moment;
    ASSERT_TRUE(::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal));
    ASSERT_TRUE(::SystemTimeToFileTime(&universal, &moment));
    const HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &moment));
    ::CloseHandle(file);
  }

  std::string root = testing::MakeTestFolder("sorvane-win32");
  Win32FileSystem files;
};

TEST_F(Win32FileServicesTest, PathsFromWindowsComeInSlashForm) {
  const std::string program = Win32ProgramFile().ProgramPath();
  EXPECT_EQ(program.find('\\'), std::string::npos) << program;
  EXPECT_EQ(program.substr(program.size() - 4), ".exe");
  EXPECT_TRUE(files.FileExists(program));
  // For the registry, where other programs read it, with "\" instead.
  EXPECT_EQ(Win32ProgramFile().NativeProgramPath(), BackslashPath(program));

  const std::string temp = Win32SystemFolders().TempPath();
  EXPECT_EQ(temp.find('\\'), std::string::npos) << temp;
  EXPECT_EQ(temp.back(), '/');
  EXPECT_TRUE(files.DirectoryExists(temp));

  EXPECT_EQ(files.ExpandFileName(root + "\\a\\b.zvq"), root + "/a/b.zvq");
}

TEST_F(Win32FileServicesTest, TemporaryFilesAreNewEmptyAndUnique) {
  Win32TempFiles temp;
  const std::string first = temp.CreateUniqueFile(root + "/", "$abc");
  const std::string second = temp.CreateUniqueFile(root + "/", "$abc");
  EXPECT_NE(first, second);
  for (const std::string& made : {first, second}) {
    EXPECT_EQ(made.rfind(root + "/$ab", 0), 0u) << made;
    EXPECT_EQ(made.substr(made.size() - 4), ".tmp");
    const auto entry = files.FindEntry(made);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->size, 0);
  }
  try {
    temp.CreateUniqueFile(At("fehlt/"), "$");
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.what(), "Datei " + At("fehlt/") + "$XXXX.tmp kann nicht erstellt werden");
  }
}

TEST_F(Win32FileServicesTest, AReaderKeepsOthersFromReadingButNotFromWriting) {
  files.Create(At("box.zvq"))->WriteBuffer("Container", 9);
  auto reading = files.OpenRead(At("box.zvq"));
  auto open = [&](DWORD access) {
    const HANDLE other = ::CreateFileA(At("box.zvq").c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    if (other != INVALID_HANDLE_VALUE) ::CloseHandle(other);
    return other != INVALID_HANDLE_VALUE;
  };
  EXPECT_TRUE(open(GENERIC_WRITE));
  EXPECT_FALSE(open(GENERIC_READ));
  reading.reset();
  EXPECT_TRUE(open(GENERIC_READ));
}

TEST_F(Win32FileServicesTest, AHiddenFileIsEmptiedAndStaysHidden) {
  files.Create(At("versteckt.txt"))->WriteBuffer("alt", 3);
  ASSERT_TRUE(::SetFileAttributesA(At("versteckt.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  files.Create(At("versteckt.txt"))->WriteBuffer("n", 1);
  const auto entry = files.FindEntry(At("versteckt.txt"));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->size, 1);
  EXPECT_TRUE(entry->hidden);
}

TEST_F(Win32FileServicesTest, DevicesAreNoFilesAndEveryLetterNamesAFileOfItsOwn) {
  EXPECT_THROW(files.OpenRead("NUL"), EFOpenError);
  EXPECT_THROW(files.Create("NUL"), EFCreateError);
  // U+2215, the division slash, has no counterpart in the ANSI code page; it
  // must not turn into a separator and write "b.txt" into a folder "a".
  ::CreateDirectoryA(At("a").c_str(), nullptr);
  const std::string slash = "a\xE2\x88\x95" "b.txt";
  files.Create(At(slash));
  EXPECT_FALSE(files.FileExists(At("a/b.txt")));
  // Letters of no ANSI code page, in a folder of such letters: found, listed
  // and renamed by their own names; "?" is no wildcard for them.
  const std::string folder = At("\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0");
  ASSERT_TRUE(::CreateDirectoryW(WidePath(folder).c_str(), nullptr));
  const std::string name = "Pr\xC3\xBC" "fung \xC5\x81 \xE6\x9D\xB1.zvq";
  files.Create(folder + "/" + name)->Write("zvq", 3);
  EXPECT_TRUE(files.DirectoryExists(folder));
  ASSERT_EQ(files.FindFiles(folder, "*.zvq").size(), 1u);
  EXPECT_EQ(files.FindFiles(folder, "*.zvq")[0].name, name);
  EXPECT_TRUE(files.FindFiles(folder, "Pr?fung ? ?.zvq").size() == 1) << "the system's own wildcards";
  EXPECT_FALSE(files.FindEntry(folder + "/Pr?fung ? x.zvq"));
  EXPECT_TRUE(files.RenameFile(folder + "/" + name, folder + "/\xCE\xA9.zvq"));
  EXPECT_EQ(files.OpenRead(folder + "/\xCE\xA9.zvq")->Size(), 3);
  EXPECT_EQ(files.ExpandFileName(folder + "/./\xCE\xA9.zvq"), folder + "/\xCE\xA9.zvq");
}

// What cmd.exe reads of a path in a batch file: the OEM code page's bytes,
// else the short form of letters every code page has, else nothing.
TEST_F(Win32FileServicesTest, BatchFilesNameAPathInTheOemCodePageOrByItsShortName) {
  if (GetOEMCP() != 437 && GetOEMCP() != 850) GTEST_SKIP() << "OEM code page " << GetOEMCP();
  EXPECT_EQ(BatchFilePath(At("Gr\xC3\xBC\xC3\x9F" "e")), BackslashPath(At("Gr\x81\xE1" "e")));
  const std::string folder = At("\xC5\x81\xC3\xB3" "d\xC5\xBA \xC5\xBB\xC3\xB3\xC5\x82\xC4\x87");
  ASSERT_TRUE(::CreateDirectoryW(WidePath(folder).c_str(), nullptr));
  const std::optional<std::string> shortened = BatchFilePath(folder + "/");
  ASSERT_TRUE(shortened);
  EXPECT_TRUE(std::all_of(shortened->begin(), shortened->end(), [](char c) { return c > 0; })) << *shortened;
  EXPECT_TRUE(files.DirectoryExists(*shortened)) << *shortened;
  EXPECT_EQ(BatchFilePath(folder + "/Update.bat"), *shortened + "Update.bat") << "a file still to be written";
  EXPECT_FALSE(BatchFilePath(folder + "/fehlt \xC5\x81/Update.bat")) << "a missing folder has no short name";
}

TEST_F(Win32FileServicesTest, FileDatesInLocalTimeAtTwoSecondsWithinTheDosYears) {
  Win32Calendar calendar;
  files.Create(At("datum.bin"));
  SetLocalWriteTime(At("datum.bin"), 2020, 6, 15, 12, 34, 57);
  EXPECT_DOUBLE_EQ(*calendar.FileDate(At("datum.bin")), *TryEncodeDate(2020, 6, 15) + (12 * 3600 + 34 * 60 + 56) / 86400.0);
  SetLocalWriteTime(At("datum.bin"), 1975, 1, 2, 3, 4, 5);
  EXPECT_DOUBLE_EQ(*calendar.FileDate(At("datum.bin")), *TryEncodeDate(1980, 1, 1));
  EXPECT_FALSE(calendar.FileDate(At("fehlt")));
  const double today = calendar.Today();
  const double now = calendar.Now();
  EXPECT_GE(now, today);
  EXPECT_LT(now, today + 2);
}

TEST_F(Win32FileServicesTest, TheDriveIsTheRootsDrive) {
  Win32DriveTypes drives;
  EXPECT_EQ(drives.GetDriveType(Win32ProgramFile().ProgramPath()), DRIVE_FIXED);
  EXPECT_EQ(drives.GetDriveType(root + "/noch/nicht/da.zvq"), drives.GetDriveType(root));
  EXPECT_EQ(drives.GetDriveType("relativ/pfad"), DRIVE_NO_ROOT_DIR);
}

}  // namespace
}  // namespace sorvane
