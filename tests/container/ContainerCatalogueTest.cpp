#include "container/ContainerCatalogue.h"

#include "ByteHelpers.h"
#include "CatalogueFixture.h"
#include "container/ContainerLoad.h"
#include "container/TaggedValueWriter.h"
#include "container/TextScrambling.h"

namespace sorvane {
namespace {

using bytes::Hex;
using bytes::Le32;

using ContainerCatalogueTest = CatalogueFixture;

TEST_F(ContainerCatalogueTest, LoadsTheWorkedExampleWithTheWindowEffectsInOrder) {
  Load(bytes::WorkedExample());
  ASSERT_EQ(catalogue.Members.size(), 1u);
  EXPECT_EQ(catalogue.Members[0].Name, "a.txt");
  EXPECT_EQ(catalogue.Members[0].Flags, std::vector<std::uint8_t>{1});
  EXPECT_EQ(catalogue.Members[0].StoredSize, 2);
  ASSERT_EQ(catalogue.Accounts.size(), 1u);
  EXPECT_EQ(catalogue.Accounts[0].Name, "abc");
  EXPECT_EQ(catalogue.Accounts[0].Password, "");
  EXPECT_EQ(catalogue.Accounts[0].Column, 0);
  EXPECT_EQ(catalogue.Title, "T");
  EXPECT_EQ(catalogue.Author, "A");
  EXPECT_EQ(effects.calls, (std::vector<std::string>{
                               "DisableMainWindow", "SetProgressRange 1", "SetProgressPosition 0", "ShowWaitWindow",
                               "ProcessMessages", "SetProgressPosition 1", "ProcessMessages", "CloseWaitWindow",
                               "EnableMainWindow", "BringApplicationToFront", "BringMainWindowToFront"}));
  EXPECT_EQ(files.OpenCount("/c/box.zvq"), 0);
}

TEST_F(ContainerCatalogueTest, EmptyTablesStillOpenAndCloseTheWaitWindow) {
  Load(Container({}, {{"gast", "", 0}}));
  EXPECT_TRUE(catalogue.Members.empty());
  EXPECT_EQ(effects.calls[1], "SetProgressRange 0");
  EXPECT_EQ(effects.calls[3], "ShowWaitWindow");
  EXPECT_EQ(effects.calls[5], "CloseWaitWindow");

  // The smallest container there is: no members, no accounts, 15 bytes.
  Load(Container({}, {}, "", ""));
  EXPECT_TRUE(catalogue.Members.empty());
  EXPECT_TRUE(catalogue.Accounts.empty());

  // Without accounts the records carry no flags and nothing is visible, not
  // even to a guest.
  Load(Container({{"a", "1"}, {"b", "22"}}, {}, "T", "A"));
  ASSERT_EQ(catalogue.Members.size(), 2u);
  EXPECT_TRUE(catalogue.Members[1].Flags.empty());
  EXPECT_EQ(catalogue.Members[1].StoredSize, 2);
  EXPECT_TRUE(catalogue.Accounts.empty());
  EXPECT_FALSE(ContainerCatalogue::IsVisible(catalogue.Members[0], 0));
  EXPECT_EQ(catalogue.FindAccount(""), -1);
  EXPECT_EQ(catalogue.Title, "T");
}

TEST_F(ContainerCatalogueTest, OnlyTheLowByteOfAFlagCounts) {
  MemoryStream out;
  ContainerWriter writer(out, 3);
  writer.AddMember("m", {256, 1, 0x101}, "", 1000);
  writer.AddMember("n", {0, -1, 0x7F00}, "", -1);
  writer.Finish({{"g", "", 0}, {"u", "", 1}, {"v", "", 2}}, "", "");
  Load(out.Bytes());
  const ContainerMember m = catalogue.Members[0];
  EXPECT_FALSE(ContainerCatalogue::IsVisible(m, 0));
  EXPECT_TRUE(ContainerCatalogue::IsVisible(m, 1));
  EXPECT_TRUE(ContainerCatalogue::IsVisible(m, 2));
  EXPECT_EQ(m.StoredSize, 1000);
  const ContainerMember n = catalogue.Members[1];
  EXPECT_EQ(n.Flags, (std::vector<std::uint8_t>{0, 0xFF, 0}));
  EXPECT_EQ(n.StoredSize, -1);  // sign-extended
  // Columns outside the table are never visible and never read.
  EXPECT_FALSE(ContainerCatalogue::IsVisible(m, 3));
  EXPECT_FALSE(ContainerCatalogue::IsVisible(m, -1));
  EXPECT_FALSE(ContainerCatalogue::IsVisible(m, INT32_MAX));
}

TEST_F(ContainerCatalogueTest, LookupsMatchNamesExactlyAndFindTheFirst) {
  Load(Container({{"Bild.jpg", "1"}, {"bild.jpg", "2"}, {"Bild.jpg", "3"}, {"B\xE4r ", "4"}},
                 {{"Gast", "", 0}, {"Max", "geheim", 0}, {"Gast", "x", 0}}));
  EXPECT_EQ(catalogue.FindMember("Bild.jpg"), 0);
  EXPECT_EQ(catalogue.FindMember("bild.jpg"), 1);
  EXPECT_EQ(catalogue.FindMember("BILD.JPG"), -1);
  EXPECT_EQ(catalogue.FindMember("B\xE4r "), 3);
  EXPECT_EQ(catalogue.FindMember("B\xE4r"), -1);
  EXPECT_EQ(catalogue.FindMember("Bar "), -1);
  EXPECT_EQ(catalogue.FindAccount("Gast"), 0);
  EXPECT_EQ(catalogue.FindAccount("Max"), 1);
  EXPECT_EQ(catalogue.Accounts[1].Password, "geheim");
  EXPECT_EQ(catalogue.FindAccount("max"), -1);
  ContainerCatalogue empty(files, codePage, effects);
  EXPECT_EQ(empty.FindMember(""), -1);
  EXPECT_EQ(empty.FindAccount("Gast"), -1);
}

TEST_F(ContainerCatalogueTest, AnExtraValueOfAnyKindIsSkipped) {
  const std::vector<std::string> extras = {
      Hex("01 01 02 05 00 06 01 61 00"),
      Hex("0A 05 00 00 00 01 02 03 04 05"),
      Hex("0E 02 01 01 01 61 06 02 68 69 00 00"),
      Hex("12 01 00 00 00 41 00"),
      Hex("09"),
  };
  for (const std::string& extra : extras) {
    MemoryStream out;
    ContainerWriter writer(out, 1);
    writer.AddMember("a", {1}, "x");
    writer.Finish({{"g", "", 0}}, "Titel", "Autor", extra);
    Load(out.Bytes() + "bytes after the end are never read");
    EXPECT_EQ(catalogue.Title, "Titel");
    EXPECT_EQ(catalogue.Author, "Autor");
  }
}

TEST_F(ContainerCatalogueTest, RecordsOfEverySizeLoadAcrossTheReadAheadRefills) {
  // Names and data around and far beyond the read-ahead's refills, so that
  // records straddle refills, follow long skips and share dense stretches.
  const std::size_t nameLengths[] = {1, 17, 1500, 5000};
  const std::size_t dataLengths[] = {0, 1, 900, 1100, 70000, 300000};
  std::vector<std::pair<AnsiString, std::string>> members;
  for (std::size_t i = 0; i < 48; ++i) {
    AnsiString name(nameLengths[i % 4], static_cast<char>('a' + i % 26));
    name[0] = static_cast<char>('A' + i % 26);
    members.emplace_back(name + std::to_string(i), std::string(dataLengths[(i / 4 + i) % 6], 'd'));
  }
  Load(Container(members, {{"g", "", 0}}, "Titel", "Autor"));
  ASSERT_EQ(catalogue.Members.size(), members.size());
  for (std::size_t i = 0; i < members.size(); ++i) {
    EXPECT_EQ(catalogue.Members[i].Name, members[i].first) << i;
    EXPECT_EQ(catalogue.Members[i].StoredSize, static_cast<std::int64_t>(members[i].second.size())) << i;
  }
  EXPECT_EQ(catalogue.Author, "Autor") << "the trailer is read from where the records end";
}

// A device that cannot read one stretch of the file.
class DamagedStream : public MemoryStream {
 public:
  DamagedStream(std::string bytes, std::size_t from, std::size_t to)
      : MemoryStream(std::move(bytes)), from_(from), to_(to) {}
  std::size_t Read(void* buffer, std::size_t count) override {
    const auto at = static_cast<std::size_t>(Position());
    if (at < to_ && at + count > from_) throw EReadError(texts::kReadError);
    return MemoryStream::Read(buffer, count);
  }

 private:
  std::size_t from_, to_;
};

TEST_F(ContainerCatalogueTest, ADamagedStretchInMemberDataFailsOnlyWhatReadsIt) {
  const std::string data(3000, 'x');
  DamagedStream file(Container({{"a", "1"}, {"kaputt", data}, {"c", "ccc"}}, {{"g", "", 0}}), 0, 0);
  const std::size_t from = file.Bytes().find(data) + 100;
  file = DamagedStream(file.Bytes(), from, from + 100);
  NoLoadEffects none;
  const LoadedContainer loaded = ReadContainer(file, codePage, none);
  ASSERT_EQ(loaded.Members.size(), 3u);
  EXPECT_EQ(loaded.Members[2].Name, "c");
  EXPECT_EQ(loaded.Author, "Autor");

  MemoryStream out;
  file.Seek(0, SeekOrigin::Begin);
  ContainerCatalogue::CopyMemberData("c", file, out);
  EXPECT_EQ(out.Bytes(), "ccc");
  file.Seek(0, SeekOrigin::Begin);
  EXPECT_THROW(ContainerCatalogue::CopyMemberData("kaputt", file, out), EReadError);
}

TEST_F(ContainerCatalogueTest, TrailerStringsInWideFormsAreConvertedBeforeUnscrambling) {
  // Account name "ab" scrambled is 64 68 hex; as UTF-16 and as UTF-8.
  const std::string trailer = Hex("01 12 02 00 00 00 64 00 68 00 14 00 00 00 00 04 00 00 00 00 08") +
                              Hex("14 03 00 00 00 C3 A4 21 06 01 41 00");
  Load(Le32(0) + Le32(1) + trailer);
  EXPECT_EQ(catalogue.Accounts[0].Name, "ab");
  EXPECT_EQ(catalogue.Title, "\xE4!");
}

TEST_F(ContainerCatalogueTest, ASecondLoadReplacesEverything) {
  Load(Container({{"a", "1"}, {"b", "2"}, {"c", "3"}}, {{"g", "", 0}, {"u", "p", 0}}, "Eins", "X"));
  Load(Container({{"z", "9"}}, {{"h", "", 0}}, "Zwei", "Y"));
  ASSERT_EQ(catalogue.Members.size(), 1u);
  EXPECT_EQ(catalogue.Members[0].Name, "z");
  ASSERT_EQ(catalogue.Accounts.size(), 1u);
  EXPECT_EQ(catalogue.Accounts[0].Name, "h");
  EXPECT_EQ(catalogue.Title, "Zwei");
}

TEST_F(ContainerCatalogueTest, AFailedLoadGivesTheWindowsBackAndKeepsTheCatalogue) {
  Load(Container({{"a", "1"}, {"b", "2"}}, {{"g", "", 0}}, "Alt", "X"));
  // Cut in the middle of the second account's password.
  const std::string full = Container({{"n", "1"}}, {{"gast", "", 0}, {"benutzer", "pw", 0}}, "Neu", "Y");
  const std::size_t cut = full.find(ScrambleText("pw")) + 1;
  EXPECT_EQ(LoadError(full.substr(0, cut)), "Stream-Lesefehler");
  EXPECT_EQ(effects.calls, (std::vector<std::string>{"DisableMainWindow", "SetProgressRange 1",
                                                     "SetProgressPosition 0", "ShowWaitWindow", "ProcessMessages",
                                                     "SetProgressPosition 1", "ProcessMessages", "CloseWaitWindow",
                                                     "EnableMainWindow"}));
  EXPECT_EQ(files.OpenCount("/c/box.zvq"), 0);
  ASSERT_EQ(catalogue.Members.size(), 2u);
  EXPECT_EQ(catalogue.Members[1].Name, "b");
  EXPECT_EQ(catalogue.Title, "Alt");
}

TEST_F(ContainerCatalogueTest, AContainerThatCannotBeOpenedTouchesNoWindow) {
  catalogue.ContainerPath = "/nirgends/box.zvq";
  try {
    catalogue.LoadCatalogue();
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_STREQ(e.what(), "Datei /nirgends/box.zvq kann nicht geöffnet werden");
  }
  files.AddFolder("/ordner.zvq");
  catalogue.ContainerPath = "/ordner.zvq";
  EXPECT_THROW(catalogue.LoadCatalogue(), EFOpenError);
  EXPECT_TRUE(effects.calls.empty());
}

TEST_F(ContainerCatalogueTest, FileSizesOfFilesFoldersAndNothing) {
  files.AddFile("/daten/leer.txt", "");
  files.AddFile("/daten/vier.bin", "1234");
  files.SetCurrentFolder("/daten");
  EXPECT_EQ(catalogue.GetFileSize("/daten/leer.txt"), 0);
  EXPECT_EQ(catalogue.GetFileSize("vier.bin"), 4);
  EXPECT_EQ(catalogue.GetFileSize("./../daten/vier.bin"), 4);
  EXPECT_EQ(catalogue.GetFileSize("VIER.BIN"), 4);  // the search ignores case
  EXPECT_EQ(catalogue.GetFileSize("fehlt.txt"), -1);
  EXPECT_EQ(catalogue.GetFileSize(""), -1);
  EXPECT_EQ(catalogue.GetFileSize("/daten"), 0);
}

}  // namespace
}  // namespace sorvane
