#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <string>

#include "components/zip/EnginePlacement.h"
#include "components/zip/ZipRig.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/NativeServices.h"

namespace sorvane {
namespace {

using ZipArchiveTest = ZipRig;

std::string Text(std::size_t size) {
  std::string text;
  for (std::size_t i = 0; text.size() < size; ++i) text += "line " + std::to_string(i * 7919 % 1000) + "\n";
  return text.substr(0, size);
}

TEST_F(ZipArchiveTest, StoredAndDeflatedMembersLandWithoutFolders) {
  Source("Update.bat", "echo hi\n");
  Source("bin/sorvane", Text(300000), 0755);
  Source("doc/deep/liesmich.txt", "");
  Zip("a.zip", {"-0", "Update.bat"});
  Zip("a.zip", {"-r", "bin", "doc"});
  Extract("a.zip");
  EXPECT_EQ(Names(out), (std::vector<std::string>{"Update.bat", "liesmich.txt", "sorvane"}));
  EXPECT_EQ(Read(out + "Update.bat"), "echo hi\n");
  EXPECT_EQ(Read(out + "sorvane"), Text(300000));
  struct stat info {};
  ASSERT_EQ(::stat((out + "sorvane").c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR) << "a program stays executable";
  EXPECT_EQ(zip->ExtractedCount(), 3u);
  EXPECT_EQ(zip->SkippedCount(), 3u);  // the folder entries bin/, doc/ and doc/deep/
}

TEST_F(ZipArchiveTest, FirstMemberOfANameWinsAndLeftoversAreReplaced) {
  Source("one/x.txt", "first");
  Source("two/x.txt", "second");
  Zip("d.zip", {"-D", "one/x.txt", "two/x.txt"});
  Write(out + "x.txt", "left over from an earlier update");
  std::vector<std::string> heard;
  zip->Trace = true;
  zip->OnMessage = [&heard](TZipArchive&, const std::string& text) { heard.push_back(text); };
  Extract("d.zip");
  EXPECT_EQ(Read(out + "x.txt"), "first");
  EXPECT_EQ(zip->SkippedCount(), 1u);
  EXPECT_EQ(heard, (std::vector<std::string>{out + "x.txt", "übersprungen: two/x.txt"}));

  zip->ExtractOptions.Overwrite = true;
  Extract("d.zip");
  EXPECT_EQ(Read(out + "x.txt"), "second");
}

int Mode(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

TEST_F(ZipArchiveTest, ArchivesOfStreamingWritersAndWithRepeatedNamesAreAccepted) {
  Source("a.txt", "the first member, stored");
  Source("one/x", "first");
  Source("two/x", "second");
  Zip("fd.zip", {"-0", "-fd", "a.txt"});  // data descriptors after each member
  Extract("fd.zip");
  EXPECT_EQ(Read(out + "a.txt"), "the first member, stored");

  // Their CRC is still checked.
  Patch(root + "fd.zip", "member, stored", "member, STORED");
  EXPECT_THROW(Extract("fd.zip"), EZipError);

  Zip("dup.zip", {"-D", "one/x", "two/x"});
  Patch(root + "dup.zip", "two/x", "one/x");  // two members named "one/x"
  std::filesystem::remove(out + "x");
  Extract("dup.zip");
  EXPECT_EQ(Read(out + "x"), "first");
  EXPECT_EQ(zip->SkippedCount(), 1u);
}

TEST_F(ZipArchiveTest, ModesKeepTheReplacedFileAndTheOwnersReadAndWriteButNobodyElsesWrite) {
  // Stored as 0751 and 0753, then patched to 0 and 0444: zip could not read
  // such files itself unless it ran as root.
  Source("zero", "z", 0751);
  Source("readonly", "r", 0753);
  Source("kept", "k", 0644);
  Source("program", "p", 0777);
  Source("shared", "s", 0666);
  Zip("m.zip", {"zero", "readonly", "kept", "program", "shared"});
  Patch(root + "m.zip", "\xe9\x81", std::string("\x00\x80", 2));
  Patch(root + "m.zip", "\xeb\x81", "\x24\x81");
  Write(out + "kept", "old");
  ::chmod((out + "kept").c_str(), 0766);

  // Made on Windows: no Unix modes at all. The program folder's file of a
  // member's name lends its mode.
  Source("sorvane", "#!/bin/sh\n");
  Source("liesmich", "neu");
  Zip("w.zip", {"sorvane", "liesmich"});
  Patch(root + "w.zip", "PK\x01\x02\x1e\x03", std::string("PK\x01\x02\x14\x00", 6));
  Write(root + "sorvane", "old program");
  ::chmod((root + "sorvane").c_str(), 0770);

  const mode_t mask = ::umask(077);  // modes as they stand, whatever the umask
  Extract("m.zip");
  zip->ModeBaseDir = root;
  Extract("w.zip");
  ::umask(mask);
  EXPECT_EQ(Mode(out + "zero"), 0600);
  EXPECT_EQ(Mode(out + "readonly"), 0644);
  EXPECT_EQ(Mode(out + "kept"), 0744);
  EXPECT_EQ(Mode(out + "program"), 0755);
  EXPECT_EQ(Mode(out + "shared"), 0644);
  EXPECT_EQ(Read(out + "kept"), "k");
  EXPECT_EQ(Mode(out + "sorvane"), 0750);
  EXPECT_EQ(Mode(out + "liesmich"), 0644);
}

TEST_F(ZipArchiveTest, MemberLargerThanAnnouncedStopsBeforeTheExcessIsWritten) {
  Source("big", std::string(5000017, '\0'));  // 0x004c4b51 bytes, deflated to little
  Zip("big.zip", {"big"});
  Patch(root + "big.zip", std::string("\x51\x4b\x4c\x00", 4), std::string("\x0a\x00\x00\x00", 4));
  // Writing past 1 MB fails with EFBIG instead: only a check that stops at
  // the announced size gives the damage message.
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{1 << 20, limit.rlim_max};
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  try {
    Extract("big.zip");
    ADD_FAILURE() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()), "Die Daten von big im Archiv " + root + "big.zip sind beschädigt");
  }
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
  EXPECT_TRUE(Names(out).empty());
}

TEST_F(ZipArchiveTest, OnlyTheLastNamePartCounts) {
  // zip would clean these names itself; the archive is patched afterwards.
  Source("QQ/up1", "parent");
  Source("Qabs/up2", "absolute");
  Source("winQup3", "backslash");
  Source("QQ/Q", "dot");
  Source("RR/RR", "dotdot");
  Zip("n.zip", {"-0", "-D", "QQ/up1", "Qabs/up2", "winQup3", "QQ/Q", "RR/RR"});
  Patch(root + "n.zip", "QQ/up1", "../up1");
  Patch(root + "n.zip", "Qabs/up2", "/abs/up2");
  Patch(root + "n.zip", "winQup3", "win\\up3");
  Patch(root + "n.zip", "QQ/Q", "../.");
  Patch(root + "n.zip", "RR/RR", "RR/..");
  Extract("n.zip");
  EXPECT_EQ(Names(out), (std::vector<std::string>{"up1", "up2", "up3"}));
  EXPECT_EQ(Read(out + "up2"), "absolute");
  EXPECT_EQ(Names(root), (std::vector<std::string>{"n.zip", "out", "src", "system"}));
  EXPECT_EQ(zip->SkippedCount(), 2u);
}

TEST_F(ZipArchiveTest, LinksAreNeitherCreatedNorWrittenThrough) {
  Write(root + "victim", "untouched");
  ASSERT_EQ(::symlink((root + "victim").c_str(), (src + "link").c_str()), 0);
  Source("Update.bat", "new");
  Zip("l.zip", {"-y", "link", "Update.bat"});
  // A link planted in the target under a member's name.
  ASSERT_EQ(::symlink((root + "victim").c_str(), (out + "Update.bat").c_str()), 0);
  Extract("l.zip");
  struct stat info {};
  ASSERT_EQ(::lstat((out + "link").c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 07777, 0644u) << "a link's 0777 says nothing about its text";
  EXPECT_EQ(Read(out + "link"), root + "victim");
  ASSERT_EQ(::lstat((out + "Update.bat").c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(Read(out + "Update.bat"), "new");
  EXPECT_EQ(Read(root + "victim"), "untouched");
}

TEST_F(ZipArchiveTest, DamagedArchivesFailAndLeaveNoMemberBehind) {
  Source("a.txt", "AAAA");
  Source("b.txt", "the data of b, stored so that a byte can be changed");
  Zip("c.zip", {"-0", "a.txt", "b.txt"});
  const std::string whole = Read(root + "c.zip");
  Patch(root + "c.zip", "stored so", "stored sO");
  try {
    Extract("c.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()), "Die Daten von b.txt im Archiv " + root + "c.zip sind beschädigt");
  }
  EXPECT_EQ(Names(out), std::vector<std::string>{"a.txt"});

  Write(root + "t.zip", whole.substr(0, whole.size() / 2));
  try {
    Extract("t.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()), "Das Archiv " + root + "t.zip ist beschädigt oder kein ZIP-Archiv");
  }
  EXPECT_THROW(Extract("missing.zip"), EZipError);

  // A folder where a member's file goes: no scratch file stays behind.
  std::filesystem::remove_all(out);
  std::filesystem::create_directories(out + "a.txt");
  Zip("f.zip", {"a.txt"});
  try {
    Extract("f.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + out + "a.txt kann nicht erstellt werden");
  }
  EXPECT_EQ(Names(out), std::vector<std::string>{"a.txt"});
}

TEST_F(ZipArchiveTest, EngineComesFromTheEngineFolderOnlyWhenItIsTheCarriedOne) {
  zip->SetEngineDirectory(src + "/");
  EXPECT_EQ(zip->EngineDirectory() + "/", src);
  EXPECT_EQ(zip->EnginePath(), system + "UnzipEngine.dll");
  Source("x", "x");
  Zip("x.zip", {"x"});

  // Another library of that name, the packing engine here, is never loaded.
  ASSERT_EQ(::symlink((system + "ZipEngine.dll").c_str(), (src + "UNZIPENGINE.DLL").c_str()), 0);
  EXPECT_EQ(zip->EnginePath(), system + "UnzipEngine.dll");
  Extract("x.zip");
  EXPECT_EQ(Read(out + "x"), "x");
  ::unlink((src + "UNZIPENGINE.DLL").c_str());
  Write(src + "UNZIPENGINE.DLL", Read(system + "UnzipEngine.dll"));
  EXPECT_EQ(zip->EnginePath(), src + "UNZIPENGINE.DLL");
  Extract("x.zip");
}

TEST_F(ZipArchiveTest, ASystemEngineThatDoesNotLoadOrLacksTheEntryPointsFails) {
  Source("x", "x");
  Zip("x.zip", {"x"});
  const std::string engine = system + "UnzipEngine.dll";
  Write(engine, "no library");
  try {
    Extract("x.zip");
    FAIL() << "no error";
  } catch (const EZipError& e) {
    EXPECT_EQ(std::string(e.what()).find("Die ZIP-Engine " + engine + " kann nicht geladen werden"), 0u) << e.what();
  }
  ::unlink(engine.c_str());
  ASSERT_EQ(::symlink((system + "ZipEngine.dll").c_str(), engine.c_str()), 0);
  EXPECT_THROW(Extract("x.zip"), EZipError);
  ::unlink(engine.c_str());
  EXPECT_THROW(Extract("x.zip"), EZipError);
}

TEST_F(ZipArchiveTest, EngineThatIsDamagedOrOfAnotherKindIsReplaced) {
  const std::string engine = system + "UnzipEngine.dll";
  const std::string carried = Read(engine);
  EXPECT_FALSE(PlaceZipEngines(files, EmbeddedEngineResources(), system));
  // Cut short (loading it would crash), then the packing engine in its
  // place (loads, but has no unpacking entry points).
  for (const std::string& bytes : {carried.substr(0, 4096), Read(system + "ZipEngine.dll")}) {
    ::unlink(engine.c_str());
    Write(engine, bytes);
    EXPECT_TRUE(PlaceZipEngines(files, EmbeddedEngineResources(), system));
    EXPECT_TRUE(Read(engine) == carried);
  }
  EXPECT_EQ(Names(system), (std::vector<std::string>{"UnzipEngine.dll", "ZipEngine.dll"}));
  Source("x", "x");
  Zip("x.zip", {"x"});
  Extract("x.zip");
  EXPECT_EQ(Read(out + "x"), "x");
}

}  // namespace
}  // namespace sorvane

namespace sorvane {
namespace {

TEST_F(ZipArchiveTest, SystemFolderIsMadePrivateAndAnUnwritableOneFailsThePlacement) {
  ::setenv("ORVEL_SYSTEM_DIR", (root + "orvel/system").c_str(), 1);
  const std::string folder = OrvelSystemFolder();
  EXPECT_EQ(folder, root + "orvel/system/");
  struct stat info {};
  ASSERT_EQ(::stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  // Below a file, as no rights would have it for a user (the tests may run
  // as root, whom file modes do not stop).
  Write(root + "plain", "");
  ::setenv("ORVEL_SYSTEM_DIR", (root + "plain/system").c_str(), 1);
  try {
    PlaceZipEngines(files, EmbeddedEngineResources(), OrvelSystemFolder());
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + root + "plain/system/ZipEngine.dll kann nicht erstellt werden");
  }
  ::unsetenv("ORVEL_SYSTEM_DIR");
}

}  // namespace
}  // namespace sorvane
