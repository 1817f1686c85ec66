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

}  // namespace
}  // namespace sorvane
