#include <set>

#include "ByteHelpers.h"
#include "CatalogueFixture.h"
#include "container/TaggedValueWriter.h"
#include "container/TextScrambling.h"

namespace sorvane {
namespace {

using bytes::Hex;
using bytes::Le32;

constexpr char kReadError[] = "Stream-Lesefehler";
constexpr char kInvalid[] = "Ungültiger Eigenschaftswert";
constexpr char kRange[] = "Fehler bei Bereichsprüfung";

// One member "a" (visible, data "hi") with the given account count and
// member count fields, followed by trailer.
std::string OneMember(std::int64_t memberCount, std::int64_t accountCount, const std::string& trailer) {
  return Le32(memberCount) + Le32(accountCount) + Le32(1) + ScrambleText("a") + Le32(1) + Le32(2) + Le32(2) + "hi" +
         trailer;
}

// A trailer for one account "g" without password in column 0.
const std::string kTrailer = Hex("01 06 01") + ScrambleText("g") + Hex("06 00 02 00 08 06 01 54 06 01 41 00");

struct BrokenCase {
  const char* what;
  std::string bytes;
  const char* error;
};

class BrokenContainerTest : public CatalogueFixture {
 protected:
  void SetUp() override { Load(Container({{"alt", "1"}}, {{"g", "", 0}}, "Vorher", "V")); }

  // The load failed cleanly: windows given back, file closed, the previous
  // catalogue untouched.
  void ExpectCleanFailure(const std::string& context) {
    ASSERT_GE(effects.calls.size(), 3u) << context;
    EXPECT_EQ(effects.calls.front(), "DisableMainWindow") << context;
    EXPECT_EQ(effects.calls[effects.calls.size() - 2], "CloseWaitWindow") << context;
    EXPECT_EQ(effects.calls.back(), "EnableMainWindow") << context;
    EXPECT_EQ(files.OpenCount("/c/box.zvq"), 0) << context;
    ASSERT_EQ(catalogue.Members.size(), 1u) << context;
    EXPECT_EQ(catalogue.Members[0].Name, "alt") << context;
    EXPECT_EQ(catalogue.Title, "Vorher") << context;
  }

  // Every proper prefix of bytes fails with one of the load's texts; the
  // whole loads.
  void ExpectEveryPrefixFails(const std::string& bytes) {
    const std::set<std::string> texts = {kReadError, kInvalid, kRange, "Zu wenig Arbeitsspeicher"};
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      const std::string error = LoadError(bytes.substr(0, length));
      EXPECT_TRUE(texts.count(error)) << "prefix " << length << ": " << error;
      ExpectCleanFailure("prefix " + std::to_string(length));
    }
    EXPECT_EQ(LoadError(bytes), "loaded");
  }
};

TEST_F(BrokenContainerTest, EveryPrefixOfTheWorkedExampleFailsCleanly) { ExpectEveryPrefixFails(bytes::WorkedExample()); }

TEST_F(BrokenContainerTest, EveryPrefixOfALargerContainerFailsCleanly) {
  MemoryStream out;
  ContainerWriter writer(out, 3);
  writer.AddMember("Bild.jpg", {1, 0, 1}, std::string(700, 'j'));
  writer.AddMember("leer.txt", {0, 1, 1}, "");
  writer.AddMember(AnsiString(300, 'n'), {1, 1, 256}, "xyz", 5000);
  TaggedValueWriter extra;
  extra.ListStart();
  extra.Text(AnsiString(400, 'e'));
  extra.Raw(Hex("0E 02 01 01 01 61 01 09 00 00 00 0B 01 61 00"));
  extra.ListEnd();
  writer.Finish({{"Gast", "", 0}, {AnsiString(260, 'u'), "geheim", 1}, {"Max", AnsiString(256, 'p'), 2}},
                "Ein l\xE4ngerer Titel", AnsiString(1000, 'a'), extra.Bytes());
  ExpectEveryPrefixFails(out.Bytes());
}

// A table this large has its pages taken on a second thread while the
// records are read: the load keeps every name, and a file cut anywhere in
// its records still fails cleanly, the thread stopped before the table goes.
TEST_F(BrokenContainerTest, ALargeContainerLoadsWholeAndFailsCleanlyWhenCut) {
  constexpr int kMembers = 90'000;
  MemoryStream out;
  ContainerWriter writer(out, 1);
  for (int i = 0; i < kMembers; ++i) writer.AddMember("m" + std::to_string(i), {i % 2}, "");
  writer.Finish({{"Gast", "", 0}}, "Viele", "V");
  const std::string whole = out.Bytes();
  ASSERT_EQ(LoadError(whole), "loaded");
  ASSERT_EQ(catalogue.Members.size(), static_cast<std::size_t>(kMembers));
  for (int i : {0, 1, 4'095, 45'678, kMembers - 1}) {
    EXPECT_EQ(catalogue.Members[i].Name, "m" + std::to_string(i));
    EXPECT_EQ(catalogue.Members[i].Flags[0], i % 2);
  }
  // Cut no shorter than the records the header announces can take, or the
  // load fails before it reserves the table.
  for (const std::size_t length : {whole.size() - 400'000, whole.size() - 5'001, whole.size() - 40}) {
    Load(Container({{"alt", "1"}}, {{"g", "", 0}}, "Vorher", "V"));
    EXPECT_EQ(LoadError(whole.substr(0, length)), kReadError) << length;
    ExpectCleanFailure("cut at " + std::to_string(length));
  }
}

TEST_F(BrokenContainerTest, MalformedFilesFailWithTheirText) {
  const std::string hugeName = Le32(1) + Le32(1) + Le32(0x7FFFFFFF) + "abc";
  const std::vector<BrokenCase> cases = {
      {"negative member count", OneMember(-1, 1, kTrailer), kRange},
      {"negative account count", OneMember(1, -1, kTrailer), kRange},
      {"member table beyond 32 bits", OneMember(0x7FFFFFFF, 1, kTrailer), kRange},
      {"account table beyond 32 bits", OneMember(1, 0x7FFFFFFF, kTrailer), kRange},
      {"more members than the file holds", OneMember(1'000'000, 1, kTrailer), kReadError},
      {"more accounts than the file holds", OneMember(1, 10'000'000, kTrailer), kReadError},
      {"negative name length", Le32(1) + Le32(0) + Le32(-5) + std::string(40, '\0'), kReadError},
      {"name past the end", hugeName + std::string(40, '\0'), kReadError},
      {"negative data length",
       Le32(1) + Le32(0) + Le32(1) + "a" + Le32(0) + Le32(-2) + std::string(40, '\0'), kReadError},
      {"data past the end", Le32(1) + Le32(0) + Le32(1) + "a" + Le32(0) + Le32(1000) + std::string(40, '\0'),
       kReadError},
      {"no trailer", Le32(1) + Le32(0) + Le32(1) + "a" + Le32(0) + Le32(10) + std::string(10, 'd'), kReadError},
      {"trailer is no list", OneMember(1, 1, Hex("06 00") + kTrailer.substr(1)), kInvalid},
      // The size check before the records leaves the trailer to its reader.
      {"no members, no accounts, a trailer of only its end", Le32(0) + Le32(0) + Hex("00"), kInvalid},
      {"three accounts announced, one in the trailer",
       Le32(0) + Le32(3) + Hex("01 06 00 06 00 02 00 08 06 00 06 00 00"), kInvalid},
      {"account name is an integer", OneMember(1, 1, Hex("01 02 01 06 00 02 00 08 06 00 06 00 00")), kInvalid},
      {"column is a string", OneMember(1, 1, Hex("01 06 00 06 00 06 00 08 06 00 06 00 00")), kInvalid},
      {"column is a 64-bit integer",
       OneMember(1, 1, Hex("01 06 00 06 00 13 00 00 00 00 00 00 00 00 08 06 00 06 00 00")), kInvalid},
      {"title is an identifier", OneMember(1, 1, Hex("01 06 00 06 00 02 00 08 07 01 54 06 00 00")), kInvalid},
      {"no end marker", OneMember(1, 1, Hex("01 06 00 06 00 02 00 08 06 00 06 00 08")), kInvalid},
      {"extra value unclosed a million lists deep",
       OneMember(1, 1, Hex("01 06 00 06 00 02 00 09") + std::string(1'000'000, '\x01')), kReadError},
  };
  for (const BrokenCase& c : cases) {
    EXPECT_EQ(LoadError(c.bytes), c.error) << c.what;
    ExpectCleanFailure(c.what);
  }
}

TEST_F(BrokenContainerTest, OddButReadableFilesLoad) {
  // A million-deep extra value that is closed.
  const std::string deep = std::string(1'000'000, '\x01') + std::string(1'000'000, '\0');
  EXPECT_EQ(LoadError(OneMember(1, 1, Hex("01 06 00 06 00 02 00 09") + deep + Hex("06 01 54 06 00 00"))), "loaded");
  EXPECT_EQ(catalogue.Title, "T");
  // A flag of another tag reads as false; its payload is then the title.
  EXPECT_EQ(LoadError(OneMember(1, 1, Hex("01 06 00 06 00 02 00 02 06 01 54 06 00 00"))), "loaded");
  EXPECT_EQ(catalogue.Title, "T");
  // Columns outside the flags table log in to nothing.
  EXPECT_EQ(LoadError(OneMember(1, 1, Hex("01 06 00 06 00 02 05 08 06 00 06 00 00"))), "loaded");
  EXPECT_EQ(catalogue.Accounts[0].Column, 5);
  EXPECT_FALSE(ContainerCatalogue::IsVisible(catalogue.Members[0], catalogue.Accounts[0].Column));
  EXPECT_EQ(LoadError(OneMember(1, 1, Hex("01 06 00 06 00 02 FD 08 06 00 06 00 00"))), "loaded");
  EXPECT_FALSE(ContainerCatalogue::IsVisible(catalogue.Members[0], catalogue.Accounts[0].Column));
}

}  // namespace
}  // namespace sorvane
