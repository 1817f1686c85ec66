// The system's version library on a small program that carries the resource
// compiler's version blocks (VersionBlocks.rc; resource 1 is the block).

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProgramFile.h"
#include "platform/win32/Win32VersionInfo.h"

namespace sorvane {
namespace {

TEST(Win32VersionInfoTest, TheValuesOfAProgramsVersionResource) {
  Win32VersionInfo versions;
  const std::uint32_t size = versions.GetFileVersionInfoSize(WINDOWS_PROGRAM);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(versions.GetFileVersionInfo(WINDOWS_PROGRAM, size, block.data()));
  auto query = [&](const std::string& path) { return versions.VerQueryValue(block.data(), size, path); };

  const auto fixed = query("\\");
  ASSERT_TRUE(fixed);
  ASSERT_EQ(fixed->size(), 52u);
  EXPECT_EQ(fixed->substr(0, 4), "\xBD\x04\xEF\xFE");
  EXPECT_EQ(fixed->substr(8, 8), std::string("\x02\x00\x01\x00\x04\x00\x03\x00", 8));  // 1.2.3.4
  EXPECT_EQ(query("\\VarFileInfo\\Translation"), std::string("\x07\x04\xE4\x04"));
  // Texts in the ANSI code page with their NUL; names match whatever their case.
  EXPECT_EQ(query("\\StringFileInfo\\040704e4\\FileVersion"), std::string("1.2.3.4", 8));
  EXPECT_EQ(query("\\StringFileInfo\\040704E4\\CompanyName"), std::string("Orvel-Software M\xFCnchen", 23));
  EXPECT_FALSE(query("\\StringFileInfo\\040704E4\\FileVersio"));
  EXPECT_FALSE(query("\\StringFileInfo\\04070000\\FileVersion"));

  EXPECT_EQ(versions.GetFileVersionInfoSize(VERSION_BLOCKS_RES), 0u);
  EXPECT_EQ(versions.GetFileVersionInfoSize("C:/nicht/vorhanden.exe"), 0u);
}

TEST(Win32VersionInfoTest, ProgramsAreWhatTheShellStarts) {
  Win32VersionInfo versions;
  EXPECT_TRUE(versions.IsExecutable(Win32ProgramFile().ProgramPath()));
  EXPECT_TRUE(versions.IsExecutable(Win32FileSystem().ExpandFileName(WINDOWS_PROGRAM)));
  EXPECT_FALSE(versions.IsExecutable(VERSION_BLOCKS_RES));
  EXPECT_FALSE(versions.IsExecutable("C:/nicht/vorhanden.exe"));
}

}  // namespace
}  // namespace sorvane
