#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "components/update/UpdateInstallation.h"
#include "components/zip/ZipRig.h"
#include "platform/BatchScriptDialect.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixScriptRunner.h"
#include "platform/posix/ShellScriptDialect.h"
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

  // A program that notes its version and whether it leads a session of its
  // own in "restarted" beside itself, once a file "go" lies there (at most
  // ten seconds later).
  static std::string Program(const std::string& version) {
    return "#!/bin/sh\n"
           "here=$(dirname \"$0\"); i=0\n"
           "while [ ! -e \"$here/go\" ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i + 1)); done\n"
           "[ \"$(cut -d' ' -f6 /proc/$$/stat)\" = $$ ] && own=leader || own=member\n"
           "echo " + version + " $own > \"$here/restarted\"\n";
  }

  // The archive, moved into the temporary folder as the download leaves it.
  void Archive(const std::string& templateText, const std::string& templateName = "Update.bat") {
    Source("sorvane", Program("new"), 0755);
    Source(templateName, templateText);
    Zip("ZVQ2.zip", {"sorvane", templateName});
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

  std::string Restarted() {
    const std::string path = paths.programFolder + "restarted";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fs::exists(path) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return Read(path);
  }

  InstallationResult PrepareHere() {
    return PrepareInstallation(*zip, files, paths, "ZVQ2.zip", true, dialect);
  }

  PosixFileSystem files;
  ShellScriptDialect dialect;
  ScriptPaths paths;
};

TEST_F(InstallationTest, ProgramFromAWindowsArchiveIsReplacedAndRestartsDetachedAndExecutable) {
  Prepare("Programme ö/", "Temp Ü/");
  // Made on Windows: no Unix modes, the template's name in capitals.
  Archive("# Sorvane wird ersetzt\r\n"
          "rm -f %ssorvane.alt\r\n"
          "mv -f %0:ssorvane %0:ssorvane.alt\r\n"
          "mv -f %ssorvane %ssorvane\r\n",
          "UPDATE.BAT");
  Patch(paths.tempFolder + "ZVQ2.zip", "PK\x01\x02\x1e\x03", std::string("PK\x01\x02\x14\x00", 6));

  // As the update wizard's step prepares it, for the running program.
  FakeProgramFile program;
  program.path = paths.programFile;
  ZipUpdateInstallation installation(*zip, files, program, dialect);
  ASSERT_TRUE(installation.Prepare(paths.tempFolder, "ZVQ2.zip", true, nullptr));
  EXPECT_EQ(Names(paths.tempFolder), (std::vector<std::string>{"Update.bat", "sorvane"}));
  const std::string script = Read(paths.tempFolder + "Update.bat");
  EXPECT_NE(script.find("mv -f '" + paths.tempFolder + "'sorvane '" + paths.programFolder + "'sorvane\n"),
            std::string::npos);

  // The script ends while the restarted program still waits for "go".
  RunScript();
  EXPECT_FALSE(fs::exists(paths.tempFolder + "Update.bat"));
  EXPECT_FALSE(fs::exists(paths.programFolder + "restarted"));
  Write(paths.programFolder + "go", "");
  EXPECT_EQ(Restarted(), "new leader\n");
  EXPECT_EQ(Read(paths.programFolder + "sorvane.alt"), Program("old"));
  struct stat info {};
  ASSERT_EQ(::stat(paths.programFile.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0755u);
}

TEST_F(InstallationTest, FolderNamesRunNothingInTheTemplateOrTheAppendedLines) {
  Prepare("P $(touch pwned1) `touch pwned2` it's/", "T \"$(touch pwned3)\" '/");
  Write(paths.programFolder + "go", "");
  Archive("# Dateien\n"
          "cd %s || exit 1\n"
          "touch %sfrom-p\n"
          "touch %sfrom-t %sfrom-p2\n"
          " touch %sfrom-tail\n");
  ASSERT_EQ(PrepareHere(), InstallationResult::Prepared);
  ::chdir(root.c_str());
  RunScript();
  EXPECT_FALSE(fs::exists(paths.tempFolder + "Update.bat"));
  EXPECT_EQ(Restarted(), "old leader\n");
  for (const auto& made : {paths.programFolder + "from-p", paths.tempFolder + "from-t",
                           paths.programFolder + "from-p2", paths.tempFolder + "from-tail"}) {
    EXPECT_TRUE(fs::exists(made)) << made;
  }
  for (const auto& pwned : {"pwned1", "pwned2", "pwned3"}) {
    for (const auto& folder : {root, paths.programFolder, paths.tempFolder, fs::current_path().string() + "/"}) {
      EXPECT_FALSE(fs::exists(folder + pwned)) << folder << pwned;
    }
  }
}

TEST_F(InstallationTest, MissingArchiveOrTemplateStopsThePreparation) {
  Prepare("p/", "t/");
  EXPECT_EQ(PrepareHere(), InstallationResult::ArchiveMissing);

  // Scripts of an earlier update, which must not pass for this one's.
  Write(paths.tempFolder + "Update.bat", "rm -rf %s\n");
  Write(paths.tempFolder + "update.BAT", "rm -rf %s\n");
  Source("readme", "no template");
  Zip("ZVQ2.zip", {"readme"});
  fs::rename(root + "ZVQ2.zip", paths.tempFolder + "ZVQ2.zip");
  try {
    PrepareHere();
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + paths.tempFolder + "Update.bat kann nicht geöffnet werden");
  }
  EXPECT_EQ(Names(paths.tempFolder), (std::vector<std::string>{"ZVQ2.zip", "readme"}));
}

// A folder that the batch file cannot spell stops the update with the
// reason, before anything is unpacked or written.
TEST_F(InstallationTest, AFolderTheScriptCannotNameStopsItBeforeTheUnpacking) {
  Prepare("p/", "Temp \xC5\x81/");
  Archive("true\n\n\n\n");
  const BatchScriptDialect oem([](const std::string& path) -> std::optional<std::string> {
    if (path.find("\xC5\x81") != std::string::npos) return std::nullopt;
    return path;
  });
  try {
    PrepareInstallation(*zip, files, paths, "ZVQ2.zip", true, oem);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Das Update kann nicht installiert werden: Der Pfad " +
                                         BackslashPath(paths.tempFolder) +
                                         " lässt sich nicht in die Update-Datei schreiben, weil die "
                                         "Eingabeaufforderung seine Zeichen nicht lesen kann und er keinen "
                                         "kurzen Namen (8.3) hat");
  }
  EXPECT_EQ(Names(paths.tempFolder), std::vector<std::string>{"ZVQ2.zip"});
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
  ASSERT_EQ(PrepareInstallation(*zip, files, paths, "ZVQ2.zip", false, dialect, swapAfterCheck),
            InstallationResult::Prepared);
  EXPECT_EQ(Read(paths.tempFolder + "Update.bat").substr(0, 5), "true\n");
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_FALSE(fs::exists(archive));

  // A refused archive: nothing is unpacked.
  Archive("true\n\n\n\n");
  for (const char* unpacked : {"Update.bat", "sorvane"}) fs::remove(paths.tempFolder + unpacked);
  const auto refuse = [](const std::string&) -> std::string { throw Exception("refused"); };
  EXPECT_THROW(PrepareInstallation(*zip, files, paths, "ZVQ2.zip", false, dialect, refuse), Exception);
  EXPECT_FALSE(fs::exists(paths.tempFolder + "Update.bat"));
  EXPECT_FALSE(fs::exists(paths.tempFolder + "sorvane"));
}

}  // namespace
}  // namespace sorvane
