#include "ByteHelpers.h"
#include "CatalogueFixture.h"
#include "container/TextScrambling.h"

namespace sorvane {
namespace {

using bytes::Le32;

// A memory stream that logs the size of every write.
class WriteLog : public MemoryStream {
 public:
  std::size_t Write(const void* buffer, std::size_t count) override {
    writes.push_back(count);
    return MemoryStream::Write(buffer, count);
  }
  std::vector<std::size_t> writes;
};

class CopyMemberDataTest : public CatalogueFixture {
 protected:
  // Copies name out of the container at path into a new file /out/name and
  // returns what it holds.
  std::string Extract(const std::string& path, std::string_view name) {
    const std::string out = "/out/" + std::string(name);
    auto source = files.OpenRead(path);
    auto target = files.Create(out);
    ContainerCatalogue::CopyMemberData(name, *source, *target);
    return files.FileBytes(out);
  }

  void SetUp() override { files.AddFolder("/out"); }
};

TEST_F(CopyMemberDataTest, CopiesTheFirstMemberOfTheNameAndRestoresThePosition) {
  const std::string container =
      Container({{"a", "erstes"}, {"leer", ""}, {"a", "zweites"}, {"b", "bee"}}, {{"g", "", 0}, {"u", "", 1}});
  // The container starts after a prefix; the copy returns to where it began.
  MemoryStream source("prefix" + container);
  source.Seek(6, SeekOrigin::Begin);
  MemoryStream target;
  ContainerCatalogue::CopyMemberData("a", source, target);
  EXPECT_EQ(target.Bytes(), "erstes");
  EXPECT_EQ(source.Position(), 6);
  MemoryStream lastTarget;
  ContainerCatalogue::CopyMemberData("b", source, lastTarget);
  EXPECT_EQ(lastTarget.Bytes(), "bee");

  files.AddFile("/c/box.zvq", container);
  EXPECT_EQ(Extract("/c/box.zvq", "leer"), "");
  EXPECT_EQ(Extract("/c/box.zvq", "A"), "");  // not there: nothing written
  EXPECT_EQ(files.OpenCount("/c/box.zvq"), 0);
}

TEST_F(CopyMemberDataTest, CopiesTheWorkedExampleAndOnlyDataLengthBytes) {
  files.AddFile("/c/box.zvq", bytes::WorkedExample());
  EXPECT_EQ(Extract("/c/box.zvq", "a.txt"), "hi");
  // StoredSize 1000, DataLength 2.
  MemoryStream out;
  ContainerWriter writer(out, 1);
  writer.AddMember("gross", {1}, "zw", 1000);
  writer.Finish({{"g", "", 0}}, "", "");
  files.AddFile("/c/gross.zvq", out.Bytes());
  EXPECT_EQ(Extract("/c/gross.zvq", "gross"), "zw");
}

TEST_F(CopyMemberDataTest, MovesLargeMembersInBlocksOfAtMost61440Bytes) {
  std::string data(200'000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i % 251);
  MemoryStream source(Container({{"x", "klein"}, {"big", data}}, {{"g", "", 0}}));
  WriteLog target;
  ContainerCatalogue::CopyMemberData("big", source, target);
  EXPECT_EQ(target.Bytes(), data);
  EXPECT_EQ(target.writes, (std::vector<std::size_t>{61440, 61440, 61440, 15680}));
}

TEST_F(CopyMemberDataTest, AContainerReplacedAfterLoadingIsCopiedFromTheNewFile) {
  Load(Container({{"a", "alt-a"}, {"b", "alt-b"}}, {{"g", "", 0}}));
  files.AddFile("/c/box.zvq", Container({{"neu", "n"}, {"b", "neu-b"}, {"a", "neu-a"}}, {{"g", "", 0}}));
  EXPECT_EQ(Extract("/c/box.zvq", catalogue.Members[0].Name), "neu-a");
  EXPECT_EQ(Extract("/c/box.zvq", catalogue.Members[1].Name), "neu-b");
}

TEST_F(CopyMemberDataTest, AFullDestinationKeepsWhatFitAndReportsAWriteError) {
  const std::string data(100'000, 'd');
  files.AddFile("/c/box.zvq", Container({{"voll", data}}, {{"g", "", 0}}));
  files.LimitWrites("/out/voll", 70'000);
  try {
    Extract("/c/box.zvq", "voll");
    FAIL() << "a full destination went unreported";
  } catch (const EWriteError& e) {
    EXPECT_STREQ(e.what(), "Stream-Schreibfehler");
  }
  EXPECT_EQ(files.FileBytes("/out/voll"), std::string(70'000, 'd'));
}

TEST_F(CopyMemberDataTest, AShortOrFailingSourceIsAReadError) {
  const std::string data(100'000, 's');
  const std::string container = Container({{"kurz", data}}, {{"g", "", 0}});
  const std::size_t dataStart = container.find(data);
  // Cut inside the data: every byte there was is written.
  files.AddFile("/c/kurz.zvq", container.substr(0, container.size() - 30));
  EXPECT_THROW(Extract("/c/kurz.zvq", "kurz"), EReadError);
  EXPECT_EQ(files.FileBytes("/out/kurz").size(), container.size() - 30 - dataStart);
  // A device that fails part way through.
  files.AddFile("/c/defekt.zvq", container);
  files.FailReadsAfter("/c/defekt.zvq", dataStart + 65'000);
  try {
    Extract("/c/defekt.zvq", "kurz");
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream-Lesefehler");
  }
  EXPECT_EQ(files.FileBytes("/out/kurz").size(), 65'000u);
}

TEST_F(CopyMemberDataTest, MalformedRecordsEndTheScan) {
  MemoryStream target;
  // A negative data length would point back at the record itself.
  MemoryStream loop(Le32(2'000'000'000) + Le32(0) + Le32(1) + "a" + Le32(0) + Le32(-13) + "tail");
  EXPECT_THROW(ContainerCatalogue::CopyMemberData("b", loop, target), EReadError);
  MemoryStream negativeName(Le32(1) + Le32(0) + Le32(-1) + std::string(20, '\0'));
  EXPECT_THROW(ContainerCatalogue::CopyMemberData("b", negativeName, target), EReadError);
  MemoryStream negativeCount(Le32(-1) + Le32(0));
  EXPECT_THROW(ContainerCatalogue::CopyMemberData("b", negativeCount, target), ERangeError);
  // More records announced than there are: the scan runs into the end.
  MemoryStream missing(Le32(5) + Le32(0) + Le32(1) + ScrambleText("a") + Le32(0) + Le32(0));
  EXPECT_THROW(ContainerCatalogue::CopyMemberData("b", missing, target), EReadError);
  EXPECT_TRUE(target.Bytes().empty());
}

// Copies out of the loaded container the direct way.
class DirectCopyTest : public CopyMemberDataTest {
 protected:
  std::string Direct(std::string_view name) {
    const std::string out = "/out/" + std::string(name);
    auto source = files.OpenRead("/c/box.zvq");
    auto target = files.Create(out);
    catalogue.CopyMemberDataDirect(name, *source, *target);
    EXPECT_EQ(source->Position(), 0);
    return files.FileBytes(out);
  }

  static std::string Data(int i) { return std::string(100, static_cast<char>('a' + i % 26)) + std::to_string(i); }
  static std::string Name(int i) { return "m" + std::to_string(10000 + i); }
};

TEST_F(DirectCopyTest, ReadsOnlyTheMembersOwnRecordOnceItsPlaceIsKnown) {
  std::vector<std::pair<AnsiString, std::string>> members;
  for (int i = 0; i < 3000; ++i) members.emplace_back(Name(i), Data(i));
  Load(Container(members, {{"g", "", 0}}));
  EXPECT_EQ(Direct(Name(2999)), Data(2999));
  for (const int i : {0, 1500, 2998, 2999, 7}) {
    const std::size_t before = files.BytesRead("/c/box.zvq");
    EXPECT_EQ(Direct(Name(i)), Data(i));
    // The record: its head of 22 bytes and its data.
    EXPECT_EQ(files.BytesRead("/c/box.zvq") - before, 22 + Data(i).size()) << i;
  }
}

TEST_F(DirectCopyTest, TwoMembersOfOneNameGiveTheFirst) {
  // Enough members that names are looked up through the index.
  std::vector<std::pair<AnsiString, std::string>> members;
  for (int i = 0; i < 100; ++i) members.emplace_back(Name(i % 70), Data(i));
  Load(Container(members, {{"g", "", 0}}));
  EXPECT_EQ(catalogue.FindMember(Name(10)), 10);
  EXPECT_EQ(catalogue.FindMember(Name(80)), -1);
  EXPECT_EQ(Direct(Name(10)), Data(10));
  EXPECT_EQ(Direct(Name(69)), Data(69));
  EXPECT_EQ(Direct("fehlt"), "");
}

TEST_F(DirectCopyTest, AFileChangedSinceTheLoadIsWalkedAsItIsNow) {
  const std::vector<ContainerAccount> guest = {{"g", "", 0}};
  const std::string loaded = Container({{"x", "1"}, {"a", "alt"}, {"b", "bee"}}, guest, "Titel");
  // The first member renamed to "a": "a" now names it, while the record
  // where "a" was loaded still holds a head that fits.
  const std::string grown = Container({{"a", "1"}, {"a", "alt"}, {"b", "bee"}}, guest, "Titel und mehr");
  const std::string shrunk = Container({{"a", "1"}, {"a", "alt"}, {"b", "bee"}}, guest, "T");
  const std::string sameSize = Container({{"a", "1"}, {"a", "alt"}, {"b", "bee"}}, guest, "Tite1");
  for (const std::string* changed : {&grown, &shrunk, &sameSize}) {
    Load(loaded);
    EXPECT_EQ(Direct("b"), "bee");
    // Size and time kept only where the size changes.
    files.ChangeFile("/c/box.zvq", *changed, changed != &sameSize);
    EXPECT_EQ(Direct("a"), "1");
    EXPECT_EQ(Direct("b"), "bee");
  }

  // Rewritten with the same size and time: the heads tell.
  Load(Container({{"a", "12345"}, {"b", "x"}}, guest));
  EXPECT_EQ(Direct("b"), "x");
  files.ChangeFile("/c/box.zvq", Container({{"a", "123"}, {"b", "xyz"}}, guest), true);
  EXPECT_EQ(Direct("a"), "123");
  EXPECT_EQ(Direct("b"), "xyz");
  Load(Container({{"a", "1"}, {"b", "2"}}, guest));
  files.ChangeFile("/c/box.zvq", Container({{"a", "1"}, {"c", "2"}}, guest), true);
  EXPECT_EQ(Direct("b"), "");
}

// A target that cuts the container short once it has taken its first block.
class CuttingTarget : public MemoryStream {
 public:
  CuttingTarget(FakeFileSystem& files, std::string cut) : files_(files), cut_(std::move(cut)) {}
  std::size_t Write(const void* buffer, std::size_t count) override {
    if (!cut_.empty()) files_.ChangeFile("/c/box.zvq", std::exchange(cut_, {}));
    return MemoryStream::Write(buffer, count);
  }

 private:
  FakeFileSystem& files_;
  std::string cut_;
};

TEST_F(DirectCopyTest, AFileCutShortWhileCopyingKeepsWhatWasReadAndFails) {
  const std::string data(200'000, 'g');
  const std::string container = Container({{"a", "klein"}, {"gross", data}}, {{"g", "", 0}});
  Load(container);
  const std::size_t dataStart = container.find(data);
  auto source = files.OpenRead("/c/box.zvq");
  CuttingTarget target(files, container.substr(0, dataStart + 100'000));
  try {
    catalogue.CopyMemberDataDirect("gross", *source, target);
    FAIL() << "the cut went unnoticed";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream-Lesefehler");
  }
  EXPECT_EQ(target.Bytes(), std::string(100'000, 'g'));
}

}  // namespace
}  // namespace sorvane
