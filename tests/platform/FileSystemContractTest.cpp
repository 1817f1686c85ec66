// The behaviour every FileSystem promises, checked on the system's own (in a
// temporary folder) and on the in-memory fake the other tests rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "FileSystemWorkplace.h"
#include "fakes/FakeFileSystem.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

Workplace FakeWorkplace() {
  auto files = std::make_unique<FakeFileSystem>();
  files->AddFolder("/arbeit");
  Workplace place;
  place.files = std::move(files);
  place.root = "/arbeit";
  return place;
}

class FileSystemContractTest : public ::testing::TestWithParam<Workplace (*)()> {
 protected:
  void SetUp() override {
    place = GetParam()();
    files = place.files.get();
  }
  void TearDown() override {
    if (place.cleanUp) place.cleanUp();
  }

  std::string At(const std::string& name) const { return place.root + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) {
    auto out = files->Create(At(name));
    out->WriteBuffer(bytes.data(), bytes.size());
  }

  std::string Read(const std::string& name) {
    auto in = files->OpenRead(At(name));
    std::string bytes(static_cast<std::size_t>(in->Size()), '\0');
    in->ReadBuffer(bytes.data(), bytes.size());
    return bytes;
  }

  std::vector<std::string> Names(const std::string& pattern) {
    std::vector<std::string> names;
    for (const FileEntry& entry : files->FindFiles(place.root, pattern)) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  Workplace place;
  FileSystem* files = nullptr;
};

TEST_P(FileSystemContractTest, CreateWritesAndEmptiesAndOpenReadReads) {
  Write("a.bin", "erster Inhalt");
  EXPECT_EQ(Read("a.bin"), "erster Inhalt");
  Write("a.bin", "neu");
  EXPECT_EQ(Read("a.bin"), "neu");
  // Writing after a gap fills it with zero bytes; reading past the end gives nothing.
  {
    auto out = files->Create(At("gap.bin"));
    out->Seek(3, SeekOrigin::Begin);
    out->WriteBuffer("x", 1);
    EXPECT_EQ(out->Size(), 4);
    char byte;
    out->Seek(10, SeekOrigin::Begin);
    EXPECT_EQ(out->Read(&byte, 1), 0u);
    EXPECT_THROW(out->Seek(-11, SeekOrigin::Current), EReadError);
  }
  EXPECT_EQ(Read("gap.bin"), std::string("\0\0\0x", 4));
}

// What a reader that kept positions in a file relies on: the stamp of the
// same unchanged file stays, another file's differs, and a write that changes
// the size moves it (a write of the same size may fall within the clock's
// granularity, so it is not asked of the stamp here).
TEST_P(FileSystemContractTest, AStampStaysWithTheFileAndMovesWithItsSize) {
  Write("a.bin", "eins");
  Write("b.bin", "eins");
  const std::optional<FileStamp> stamp = files->OpenRead(At("a.bin"))->Stamp();
  ASSERT_TRUE(stamp);
  EXPECT_EQ(files->OpenRead(At("a.bin"))->Stamp(), stamp);
  EXPECT_NE(files->OpenRead(At("b.bin"))->Stamp(), stamp);
  Write("a.bin", "zweimal");
  EXPECT_NE(files->OpenRead(At("a.bin"))->Stamp(), stamp);
}

TEST_P(FileSystemContractTest, OpeningAndCreatingFailWithThePathAsGiven) {
  try {
    files->OpenRead(At("fehlt.zvq"));
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.what(), "Datei " + At("fehlt.zvq") + " kann nicht geöffnet werden");
  }
  EXPECT_THROW(files->OpenRead(place.root), EFOpenError);
  try {
    files->Create(At("kein/ordner.txt"));
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.what(), "Datei " + At("kein/ordner.txt") + " kann nicht erstellt werden");
  }
  EXPECT_THROW(files->Create(place.root), EFCreateError);
}

TEST_P(FileSystemContractTest, AFileOpenForReadingIsNeverEmptied) {
  Write("box.zvq", "Container");
  {
    auto reading = files->OpenRead(At("box.zvq"));
    if (place.readersShare) {
      auto again = files->OpenRead(At("box.zvq"));
      EXPECT_THROW(files->Create(At("box.zvq")), EFCreateError);
      again.reset();
    } else {
      EXPECT_THROW(files->OpenRead(At("box.zvq")), EFOpenError);  // read access denied to others
    }
    EXPECT_THROW(files->Create(At("box.zvq")), EFCreateError);  // still open once
    char first;
    reading->ReadBuffer(&first, 1);
    EXPECT_EQ(first, 'C');
  }
  EXPECT_EQ(Read("box.zvq"), "Container");
  Write("box.zvq", "frei");  // closed: creating is allowed again
  EXPECT_EQ(Read("box.zvq"), "frei");
}

TEST_P(FileSystemContractTest, ExistenceOfFilesAndFolders) {
  Write("datei", "");
  EXPECT_TRUE(files->FileExists(At("datei")));
  EXPECT_FALSE(files->DirectoryExists(At("datei")));
  EXPECT_TRUE(files->DirectoryExists(place.root));
  EXPECT_FALSE(files->FileExists(place.root));
  EXPECT_FALSE(files->FileExists(At("fehlt")));
  EXPECT_FALSE(files->DirectoryExists(At("fehlt")));
  EXPECT_TRUE(files->DeleteFile(At("datei")));
  EXPECT_FALSE(files->FileExists(At("datei")));
  EXPECT_FALSE(files->DeleteFile(At("datei")));
  EXPECT_FALSE(files->DeleteFile(place.root));
}

TEST_P(FileSystemContractTest, SearchesIgnoreCaseAndListEverything) {
  Write("a.zvq", "1");
  Write("B.ZVQ", "22");
  Write(".versteckt.zvq", "333");
  Write("\xC3\x84pfel.Zvq", "");  // "Äpfel.Zvq"
  Write("notiz.txt", "");
  Write("zvq", "");
  if (place.hide) place.hide(At(".versteckt.zvq"));
  EXPECT_EQ(Names("*.zvq"), (std::vector<std::string>{".versteckt.zvq", "B.ZVQ", "a.zvq", "\xC3\x84pfel.Zvq"}));
  EXPECT_EQ(Names("\xC3\xA4*"), (std::vector<std::string>{"\xC3\x84pfel.Zvq"}));  // "ä*" finds "Äpfel"
  EXPECT_EQ(Names("?.zvq"), (std::vector<std::string>{"B.ZVQ", "a.zvq"}));
  EXPECT_EQ(Names("*.*").size(), 6u);
  EXPECT_EQ(Names("*").size(), 6u);
  for (const FileEntry& entry : files->FindFiles(place.root, "*.zvq")) {
    EXPECT_EQ(entry.hidden, entry.name[0] == '.') << entry.name;
    EXPECT_FALSE(entry.directory);
    if (entry.name == "B.ZVQ") {
      EXPECT_EQ(entry.size, 2);
    }
  }
  EXPECT_TRUE(files->FindFiles(At("fehlt"), "*").empty());
}

TEST_P(FileSystemContractTest, FindEntryReportsFilesAndFolders) {
  Write("Gr\xC3\xB6\xC3\x9F" "e.bin", "12345");  // "Größe.bin"
  const auto entry = files->FindEntry(At("Gr\xC3\xB6\xC3\x9F" "e.bin"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->size, 5);
  EXPECT_EQ(entry->name, "Gr\xC3\xB6\xC3\x9F" "e.bin");
  const auto upper = files->FindEntry(At("GR\xC3\x96\xC3\x9F" "E.BIN"));
  ASSERT_TRUE(upper.has_value());
  EXPECT_EQ(upper->name, "Gr\xC3\xB6\xC3\x9F" "e.bin");
  const auto folder = files->FindEntry(place.root);
  ASSERT_TRUE(folder.has_value());
  EXPECT_TRUE(folder->directory);
  EXPECT_FALSE(files->FindEntry(At("fehlt")).has_value());
  EXPECT_FALSE(files->FindEntry(place.root + "/").has_value());
}

TEST_P(FileSystemContractTest, RenameReplacesTheTargetAndMovesNoFolder) {
  Write("neu.tmp", "neu");
  Write("alt.dll", "alt");
  EXPECT_TRUE(files->RenameFile(At("neu.tmp"), At("alt.dll")));
  EXPECT_EQ(Read("alt.dll"), "neu");
  EXPECT_FALSE(files->FileExists(At("neu.tmp")));
  EXPECT_FALSE(files->RenameFile(At("neu.tmp"), At("x")));     // gone
  EXPECT_FALSE(files->RenameFile(At("alt.dll"), place.root));  // a folder at the target
  EXPECT_FALSE(files->RenameFile(place.root, At("x")));        // folders are not moved
  EXPECT_EQ(Read("alt.dll"), "neu");
}

TEST_P(FileSystemContractTest, ExpandFileNameNormalisesWithoutTouchingTheDisk) {
  const std::string& drive = place.drive;
  EXPECT_EQ(files->ExpandFileName("/a/./b//c/../d"), drive + "/a/b/d");
  EXPECT_EQ(files->ExpandFileName("/../x"), drive + "/x");
  EXPECT_EQ(files->ExpandFileName("/a/b/"), drive + "/a/b/");
  EXPECT_EQ(files->ExpandFileName("/"), drive + "/");
  const std::string relative = files->ExpandFileName("x/../y.zvq");
  EXPECT_EQ(relative.substr(0, drive.size() + 1), drive + "/");
  EXPECT_EQ(relative.substr(relative.size() - 6), "/y.zvq");
  EXPECT_EQ(relative, files->ExpandFileName("y.zvq"));  // the ".." took "x/" away again
}

INSTANTIATE_TEST_SUITE_P(FileSystems, FileSystemContractTest, ::testing::Values(&RealWorkplace, &FakeWorkplace),
                         [](const auto& info) { return info.index == 0 ? kRealWorkplaceName : "Fake"; });

}  // namespace
}  // namespace sorvane
