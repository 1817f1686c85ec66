#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "components/zip/EnginePlacement.h"
#include "components/zip/ZipRig.h"

// The ZIP component on Windows: the engines as real DLLs, carried as the
// test program's resources, placed and loaded with the Win32 calls.
namespace sorvane {
namespace {

using ZipEnginesTest = ZipRig;
using NameList = std::vector<std::string>;

TEST_F(ZipEnginesTest, TheProgramCarriesBothEnginesUnchangedAndPlacesThemOnce) {
  // SetUp placed them from the resources.
  EXPECT_TRUE(Read(system + "UnzipEngine.dll") == Read(SORVANE_ENGINE_DIR "/UnzipEngine.dll"));
  EXPECT_TRUE(Read(system + "ZipEngine.dll") == Read(SORVANE_ENGINE_DIR "/ZipEngine.dll"));
  EXPECT_FALSE(PlaceZipEngines(files, EmbeddedEngineResources(), system));
  EXPECT_TRUE(EmbeddedEngineResources().Find("unzipengine", "zipfile"));
  EXPECT_FALSE(EmbeddedEngineResources().Find("ZIPENGINE", "RCDATA"));
}

TEST_F(ZipEnginesTest, MembersLandWithoutFoldersAndReplaceLeftovers) {
  Prebuilt("a.zip");
  Write(out + "Update.bat", "left over from an earlier update");
  Extract("a.zip");
  EXPECT_EQ(Names(out), (NameList{"Update.bat", "liesmich.txt", "sorvane.exe"}));
  EXPECT_EQ(Read(out + "Update.bat"), "echo hi\r\n");
  EXPECT_TRUE(Read(out + "sorvane.exe") == Read(SORVANE_ZIP_ARCHIVES "/src/bin/sorvane.exe"));
  EXPECT_EQ(zip->ExtractedCount(), 3u);
  EXPECT_EQ(zip->SkippedCount(), 3u);  // the folder entries bin/, doc/ and doc/deep/
}

TEST_F(ZipEnginesTest, NamesBeyondAsciiAreSpeltExactly) {
  // UTF-8 in the program, "Übung" and "Grüße.txt" for Windows.
  const std::string folder = out + "\xc3\x9c" "bung";
  std::filesystem::create_directory(std::filesystem::u8path(folder));
  Prebuilt("umlaut.zip");
  zip->ZipFileName = root + "umlaut.zip";
  zip->ExtractBaseDir = folder;
  zip->Extract();
  const std::string file = folder + "/Gr\xc3\xbc\xc3\x9f" "e.txt";
  ASSERT_TRUE(files.FileExists(file));
  char bytes[16] = {};
  EXPECT_EQ(files.OpenRead(file)->Read(bytes, sizeof bytes), 5u);
  EXPECT_STREQ(bytes, "viele");
}

// Full-width slashes are letters of the name, which the ANSI code page
// lacks: the file gets the name exactly, and no separator comes of them.
TEST_F(ZipEnginesTest, ANameTheAnsiCodePageCannotSpellIsWrittenAsItIs) {
  Prebuilt("foreign.zip");
  const std::string name = "x\xef\xbc\x8f..\xef\xbc\x8f" "evil.txt";
  Extract("foreign.zip");
  EXPECT_EQ(Names(out), NameList{name});
  EXPECT_EQ(Names(root), (NameList{"foreign.zip", "out", "src", "system"}));
}

TEST_F(ZipEnginesTest, DamagedDataFailsWithTheEnginesTextAndLeavesNoFile) {
  Prebuilt("c.zip");
  Patch(root + "c.zip", "stored so", "stored sO");
  try {
    Extract("c.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()), "Die Daten von b.txt im Archiv " + root + "c.zip sind beschädigt");
  }
  EXPECT_EQ(Names(out), NameList{"a.txt"});
}

TEST_F(ZipEnginesTest, AnEngineThatDoesNotLoadOrLacksTheEntryPointsFails) {
  Prebuilt("a.zip");
  const std::string engine = system + "UnzipEngine.dll";
  Write(engine, "no library");
  try {
    Extract("a.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()).find("Die ZIP-Engine " + engine + " kann nicht geladen werden ("), 0u)
        << e.what();
  }
  Write(engine, Read(system + "ZipEngine.dll"));
  try {
    Extract("a.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()), "Die ZIP-Engine " + engine + " ist ungültig oder passt nicht zu diesem Programm");
  }
}

TEST_F(ZipEnginesTest, TheProgramFoldersEngineIsLoadedOnlyWhenItIsTheCarriedOne) {
  Prebuilt("a.zip");
  zip->SetEngineDirectory(src);
  Write(src + "UNZIPENGINE.DLL", Read(system + "ZipEngine.dll"));
  Extract("a.zip");
  EXPECT_EQ(zip->ExtractedCount(), 3u) << "through the system folder's engine";
  Write(src + "UNZIPENGINE.DLL", Read(system + "UnzipEngine.dll"));
  EXPECT_EQ(zip->EnginePath(), src + "UNZIPENGINE.DLL");
  Extract("a.zip");
  EXPECT_EQ(zip->ExtractedCount(), 3u);
}

}  // namespace
}  // namespace sorvane
