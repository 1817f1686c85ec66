// The version block reader on blocks that the Windows resource compiler
// made, and the Linux side of version information: the block in an ELF
// section and the executable-type test.

#include "platform/posix/PosixVersionInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "VersionRig.h"
#include "platform/VersionBlock.h"

namespace sorvane {
namespace {

class VersionInfoTest : public ::testing::Test {
 protected:
  std::optional<std::string> Query(const std::string& block, const std::string& path) {
    return versions.VerQueryValue(block.data(), static_cast<std::uint32_t>(block.size()), path);
  }

  PosixVersionInfo versions;
  std::map<int, std::string> blocks = testing::WindresVersionBlocks();
};

std::uint32_t Word32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST_F(VersionInfoTest, FindsTheValuesOfAResourceCompilersBlock) {
  const std::string& block = blocks.at(1);
  const auto fixed = Query(block, "\\");
  ASSERT_TRUE(fixed);
  ASSERT_EQ(fixed->size(), 52u);
  EXPECT_EQ(Word32(*fixed, 0), 0xFEEF04BDu);
  EXPECT_EQ(Word32(*fixed, 8), 0x00010002u);   // file version 1.2
  EXPECT_EQ(Word32(*fixed, 12), 0x00030004u);  //              .3.4

  EXPECT_EQ(Query(block, "\\VarFileInfo\\Translation"), std::string("\x07\x04\xE4\x04"));
  // Texts come in code page 1252 with the NUL the block holds; names match
  // whatever their case.
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040704e4\\FileVersion"), std::string("1.2.3.4", 8));
  EXPECT_EQ(Query(block, "\\STRINGFILEINFO\\040704E4\\fileversion"), std::string("1.2.3.4", 8));
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040704E4\\CompanyName"), std::string("Orvel-Software M\xFCnchen", 23));
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040704E4\\Comments"), std::string(1, '\0'));
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040704E4\\ProductName"), std::string("Sorvane", 8));

  for (const char* missing : {"\\StringFileInfo\\04070000\\FileVersion", "\\StringFileInfo\\040704E4\\FileVersio",
                              "\\StringFileInfo\\040704E4\\FileVersionX", "\\VarFileInfo\\Translation\\Mehr",
                              "\\Translation"})
    EXPECT_FALSE(Query(block, missing)) << missing;
}

TEST_F(VersionInfoTest, ACutOrDamagedBlockYieldsNothingAndNeverReadsBeyondIt) {
  const std::string& block = blocks.at(1);
  const std::u16string path = u"\\StringFileInfo\\040704E4\\ProductName";
  ASSERT_TRUE(FindVersionValue(block, path));
  for (std::size_t cut = 0; cut < block.size(); ++cut)
    EXPECT_FALSE(FindVersionValue(std::string_view(block).substr(0, cut), path)) << cut;
  // Every single length word made too large or too small: the reader stays
  // inside the block whatever it finds (the sanitizer build checks reads).
  for (std::size_t at = 0; at + 1 < block.size(); at += 2) {
    for (const unsigned char bad : {0x00, 0x05, 0xFF}) {
      std::string damaged = block;
      damaged[at] = static_cast<char>(bad);
      damaged[at + 1] = static_cast<char>(bad == 0x05 ? 0 : bad);
      FindVersionValue(damaged, path);
    }
  }
}

TEST_F(VersionInfoTest, ProgramsAreElfExecutablesOrPieProgramsOrWindowsImages) {
  EXPECT_TRUE(versions.IsExecutable("/proc/self/exe"));  // a PIE program
  EXPECT_TRUE(versions.IsExecutable(testing::WindowsProgramPath()));
  EXPECT_FALSE(versions.IsExecutable(testing::SharedLibraryPath()));  // no interpreter
  EXPECT_FALSE(versions.IsExecutable(VERSION_BLOCKS_RES));
  EXPECT_FALSE(versions.IsExecutable("/nicht/vorhanden"));
  const std::string script = ::testing::TempDir() + "version-script.sh";
  std::ofstream(script) << "#!/bin/sh\nexit 0\n";
  EXPECT_FALSE(versions.IsExecutable(script));
  std::remove(script.c_str());
}

TEST_F(VersionInfoTest, TheBlockIsReadFromTheProgramsSection) {
  // This test program carries a block made at build time, as the program does.
  const std::uint32_t size = versions.GetFileVersionInfoSize("/proc/self/exe");
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(versions.GetFileVersionInfo("/proc/self/exe", size, block.data()));
  EXPECT_EQ(Query(block, "\\VarFileInfo\\Translation"), std::string("\x07\x04\xE4\x04"));
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040704E4\\OriginalFilename"), std::string("version_info_tests", 19));
  EXPECT_EQ(Word32(*Query(block, "\\"), 0), 0xFEEF04BDu);

  // A library carries one too; a file without the section has none.
  EXPECT_GT(versions.GetFileVersionInfoSize(testing::SharedLibraryPath()), 0u);
  EXPECT_EQ(versions.GetFileVersionInfoSize(VERSION_BLOCKS_RES), 0u);
  EXPECT_FALSE(versions.GetFileVersionInfo(VERSION_BLOCKS_RES, size, block.data()));
}

TEST_F(VersionInfoTest, AWindowsProgramsBlockIsItsVersionResource) {
  // The linked program holds resources 1 to 3; the block is number 1's.
  const std::string program = testing::WindowsProgramPath();
  const std::uint32_t size = versions.GetFileVersionInfoSize(program);
  ASSERT_EQ(size, blocks.at(1).size());
  std::string block(size, '\0');
  ASSERT_TRUE(versions.GetFileVersionInfo(program, size, block.data()));
  EXPECT_EQ(block, blocks.at(1));
}

// The resource compiler turns our block back into resource script: the block
// the build writes is a well-formed one in the eyes of an independent reader.
TEST_F(VersionInfoTest, TheResourceCompilerReadsTheBlockWeWrite) {
  const std::uint32_t size = versions.GetFileVersionInfoSize("/proc/self/exe");
  std::string block(size, '\0');
  ASSERT_TRUE(versions.GetFileVersionInfo("/proc/self/exe", size, block.data()));
  // A .res file: the empty first entry, then the block as version resource 1.
  auto entry = [](const std::string& data, int type, int name) {
    std::string header;
    auto put = [&](std::uint32_t value, int bytes) {
      for (int i = 0; i < bytes; ++i) header += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(static_cast<std::uint32_t>(data.size()), 4);
    put(32, 4);
    put(0xFFFF, 2), put(type, 2), put(0xFFFF, 2), put(name, 2);
    put(0, 4), put(0x30, 2), put(0x0407, 2), put(0, 4), put(0, 4);
    return header + data + std::string((4 - data.size() % 4) % 4, '\0');
  };
  const std::string res = ::testing::TempDir() + "own-version.res", rc = ::testing::TempDir() + "own-version.rc";
  std::ofstream(res, std::ios::binary) << entry("", 0, 0) + entry(block, 16, 1);
  const std::string command = std::string(WINDRES) + " -J res -O rc -i '" + res + "' -o '" + rc + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(rc);
  std::ostringstream script;
  script << in.rdbuf();
  EXPECT_NE(script.str().find("FILEVERSION 1, 0, 0, 0"), std::string::npos) << script.str();
  EXPECT_NE(script.str().find("BLOCK \"040704E4\""), std::string::npos) << script.str();
  EXPECT_NE(script.str().find("VALUE \"FileVersion\", \"1.0.0.0\""), std::string::npos) << script.str();
  EXPECT_NE(script.str().find("VALUE \"Translation\", 0x407, 1252"), std::string::npos) << script.str();
  std::remove(res.c_str());
  std::remove(rc.c_str());
}

}  // namespace
}  // namespace sorvane
