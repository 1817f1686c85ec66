#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "components/update/UpdateInstallation.h"
#include "components/zip/ZipRig.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixScriptRunner.h"
#include "support/FakeServices.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

// A program folder with an old program, a temporary folder, and an update
// archive made by Info-ZIP's zip that brings a new program and a template.
class InstallationTest : public ZipRig {
 protected:
  void Prepare(const std::string& programFolder, const std::string& tempFolder) {
    paths = {root + programFolder, root + tempFolder, root + programFolder + "sorvane"};
    fs::create_directories(paths.programFolder);
    fs::create_directories(paths.tempFolder);
    Write(paths.programFile, Program("old"));
    ::chmod(paths.programFile.c_str(), 0755);
  }

  static std::string Program(const std::string& version) {
    return "#!/bin/sh\necho " + version + " > \"$(dirname \"$0\")/restarted\"\n";
  }

  // The archive, moved into the temporary folder as the download leaves it.
  void Archive(const std::string& templateText) {
    Source("sorvane", Program("new"), 0755);
    Source("Update.bat", templateText);
    Zip("ZVQ2.zip", {"sorvane", "Update.bat"});
    fs::rename(root + "ZVQ2.zip", paths.tempFolder + "ZVQ2.zip");
  }

  // Runs the script as the program's end does and waits until it is gone.
  void RunScript() {
    PosixScriptRunner().RunDetached(paths.tempFolder + kUpdateScriptName);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (fs::exists(paths.tempFolder + kUpdateScriptName) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  PosixFileSystem files;
  ScriptPaths paths;
};

TEST_F(InstallationTest, ScriptReplacesTheProgramAndRestartsIt) {
  Prepare("Programme ö/", "Temp Ü/");
  Archive("# Sorvane wird ersetzt\r\n"
          "rm -f \"%ssorvane.alt\"\r\n"
          "mv -f \"%0:ssorvane\" \"%0:ssorvane.alt\"\r\n"
          "mv -f \"%ssorvane\" \"%ssorvane\"\r\n");
  Write(paths.tempFolder + "Update.bat", "stale script of an earlier update");

  // As the update wizard's step prepares it, for the running program.
  FakeProgramFile program;
  program.path = paths.programFile;
  ZipUpdateInstallation installation(*zip, files, program);
  ASSERT_TRUE(installation.Prepare(paths.tempFolder, "ZVQ2.zip", true, nullptr));
  EXPECT_FALSE(fs::exists(paths.tempFolder + "ZVQ2.zip"));
  const std::string script = Read(paths.tempFolder + "Update.bat");
  EXPECT_EQ(script.find('\r'), std::string::npos);
  EXPECT_NE(script.find("mv -f \"" + paths.tempFolder + "sorvane\" \"" + paths.programFolder + "sorvane\"\n"),
            std::string::npos);

  RunScript();
  EXPECT_FALSE(fs::exists(paths.tempFolder + "Update.bat"));
  EXPECT_EQ(Read(paths.programFile), Program("new"));
  EXPECT_EQ(Read(paths.programFolder + "sorvane.alt"), Program("old"));
  EXPECT_EQ(Read(paths.programFolder + "restarted"), "new\n");
}

TEST_F(InstallationTest, QuotedAppendedLinesRunNothingFromTheFolderNames) {
  Prepare("P $(touch pwned1) `touch pwned2` it's/", "T \"$(touch pwned3)\" '/");
  Archive(" true\n");
  ASSERT_EQ(PrepareInstallation(*zip, files, paths, "ZVQ2.zip", true), InstallationResult::Prepared);
  ::chdir(root.c_str());
  RunScript();
  EXPECT_FALSE(fs::exists(paths.tempFolder + "Update.bat"));
  EXPECT_EQ(Read(paths.programFolder + "restarted"), "old\n");
  for (const auto& pwned : {"pwned1", "pwned2", "pwned3"}) {
    for (const auto& folder : {root, paths.programFolder, paths.tempFolder, fs::current_path().string() + "/"}) {
      EXPECT_FALSE(fs::exists(folder + pwned)) << folder << pwned;
    }
  }
}

TEST_F(InstallationTest, MissingArchiveOrTemplateStopsThePreparation) {
  Prepare("p/", "t/");
  EXPECT_EQ(PrepareInstallation(*zip, files, paths, "ZVQ2.zip", true), InstallationResult::ArchiveMissing);

  Source("readme", "no template");
  Zip("ZVQ2.zip", {"readme"});
  fs::rename(root + "ZVQ2.zip", paths.tempFolder + "ZVQ2.zip");
  try {
    PrepareInstallation(*zip, files, paths, "ZVQ2.zip", true);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + paths.tempFolder + "Update.bat kann nicht geöffnet werden");
  }
  EXPECT_TRUE(fs::exists(paths.tempFolder + "ZVQ2.zip"));
}

// The archive lies in the folder from the download on; what is unpacked is
// the copy the check hands over, whatever the archive turns into meanwhile.
TEST_F(InstallationTest, OnlyTheCheckedCopyIsUnpacked) {
  Prepare("p/", "t/");
  Archive("true\n\n\n\n");
  const std::string archive = paths.tempFolder + "ZVQ2.zip", copy = paths.tempFolder + "zipchecked.tmp";
  const auto swapAfterCheck = [&](const std::string& path) {
    fs::copy_file(path, copy);
    Source("Update.bat", "touch pwned\n\n\n\n");
    Zip("evil.zip", {"Update.bat"});
    fs::rename(root + "evil.zip", path);
    return copy;
  };
  ASSERT_EQ(PrepareInstallation(*zip, files, paths, "ZVQ2.zip", false, swapAfterCheck), InstallationResult::Prepared);
  EXPECT_EQ(Read(paths.tempFolder + "Update.bat").substr(0, 5), "true\n");
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_FALSE(fs::exists(archive));

  // A refused archive: nothing is unpacked.
  Archive("true\n\n\n\n");
  for (const char* unpacked : {"Update.bat", "sorvane"}) fs::remove(paths.tempFolder + unpacked);
  const auto refuse = [](const std::string&) -> std::string { throw Exception("refused"); };
  EXPECT_THROW(PrepareInstallation(*zip, files, paths, "ZVQ2.zip", false, refuse), Exception);
  EXPECT_FALSE(fs::exists(paths.tempFolder + "Update.bat"));
  EXPECT_FALSE(fs::exists(paths.tempFolder + "sorvane"));
}

}  // namespace
}  // namespace sorvane
