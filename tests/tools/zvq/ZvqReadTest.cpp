#include <string>

#include "ZvqFixture.h"

namespace sorvane::testing {
namespace {

using ZvqReadTest = ZvqFixture;

// The smallest whole container: one account "abc" without password, one
// member a.txt holding "hi", title T, author A; written byte by byte.
std::string WorkedExample() {
  const unsigned char bytes[] = {
      0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x67, 0x37, 0x80, 0x87, 0x86,
      0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x68, 0x69, 0x01, 0x06, 0x03,
      0x65, 0x69, 0x6D, 0x06, 0x00, 0x02, 0x00, 0x08, 0x06, 0x01, 0x54, 0x06, 0x01, 0x41, 0x00};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST_F(ZvqReadTest, WorkedExampleInfoListAndExtract) {
  const std::string container = Path("w.zvq");
  WriteFile(container, WorkedExample());
  ASSERT_EQ(ReadFile(container).size(), 49u);

  const auto info = Zvq({"info", container});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out, "Titel: T\nAutor: A\nDateien: 1\nKonten: 1\n");
  EXPECT_EQ(info.err, "");

  const auto list = Zvq({"list", container});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out, "a.txt\t2 Byte\n");

  const auto extract = Zvq({"extract", container, "-d", Path("out")});
  EXPECT_EQ(extract.status, 0) << extract.err;
  EXPECT_EQ(ReadFile(Path("out/a.txt")), "hi");
  EXPECT_EQ(FolderNames(Path("out")), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(extract.out, Path("out") + "/a.txt\n");
}

TEST_F(ZvqReadTest, ListSortsInWordOrderAndPrintsUtf8) {
  const std::string container = MakeContainer("sort.zvq", 1, [](ContainerWriter& w) {
    for (const char* name : {"b.txt", "\xC4pfel.txt", "Zebra", "co-op", "apfel.txt", "coop", "Apfel.txt"}) {
      w.AddMember(name, {1}, "x");
    }
  }, {{"Gast", "", 0}}, "Gr\xFC\xDF" "e", "J\xFCrgen M\xFCller");
  const auto list = Zvq({"list", container});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out,
            "apfel.txt\t1 Byte\nApfel.txt\t1 Byte\nÄpfel.txt\t1 Byte\nb.txt\t1 Byte\ncoop\t1 Byte\n"
            "co-op\t1 Byte\nZebra\t1 Byte\n");
  const auto info = Zvq({"info", container});
  EXPECT_EQ(info.out, "Titel: Grüße\nAutor: Jürgen Müller\nDateien: 7\nKonten: 1\n");
}

TEST_F(ZvqReadTest, SizesUseTheShownSizeAndTheLocaleSeparator) {
  const std::string container = MakeContainer("sizes.zvq", 1, [](ContainerWriter& w) {
    w.AddMember("a", {1}, "xy", 1536);
    w.AddMember("b", {1}, "", 123456789);
    w.AddMember("c", {1}, "", 0);
  }, {{"Gast", "", 0}});
  EXPECT_EQ(Zvq({"list", container}, {"LC_ALL=de_DE.UTF-8"}).out, "a\t1,5 KB\nb\t117,7 MB\nc\t0 Byte\n");
  EXPECT_EQ(Zvq({"list", container}).out, "a\t1.5 KB\nb\t117.7 MB\nc\t0 Byte\n");
}

TEST_F(ZvqReadTest, ControlCharactersInNamesAreShownAsQuestionMarks) {
  const std::string container = MakeContainer("ctl.zvq", 1, [](ContainerWriter& w) {
    w.AddMember("a\x1B[31mb\nc", {1}, "");
  }, {{"Gast", "", 0}}, "T\tx");
  EXPECT_EQ(Zvq({"list", container}).out, "a?[31mb?c\t0 Byte\n");
  EXPECT_EQ(Zvq({"info", container}).out, "Titel: T?x\nAutor: Autor\nDateien: 1\nKonten: 1\n");
}

TEST_F(ZvqReadTest, UnreadableContainersEndWithTheLoadErrorAndStatusThree) {
  const std::string cut = Path("cut.zvq");
  WriteFile(cut, WorkedExample().substr(0, 40));
  const std::string negative = Path("negative.zvq");
  WriteFile(negative, std::string("\xFF\xFF\xFF\xFF\x01\x00\x00\x00", 8));
  const std::string missing = Path("missing.zvq");
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {cut, "zvq: Stream-Lesefehler.\n"},
      {negative, "zvq: Fehler bei Bereichsprüfung.\n"},
      {missing, "zvq: Datei " + missing + " kann nicht geöffnet werden.\n"},
  };
  for (const auto& c : cases) {
    for (const char* command : {"info", "list", "extract"}) {
      std::vector<std::string> arguments{command, c.path};
      if (std::string(command) == "extract") arguments.insert(arguments.end(), {"-d", Path("out")});
      const auto result = Zvq(arguments);
      EXPECT_EQ(result.status, 3) << command << " " << c.path;
      EXPECT_EQ(result.err, c.message) << command;
      EXPECT_EQ(result.out, "") << command;
    }
  }
  EXPECT_FALSE(Exists(Path("out")));
}

TEST_F(ZvqReadTest, HelpVersionAndWrongUsage) {
  const auto help = Zvq({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Aufruf: zvq"), std::string::npos);
  EXPECT_NE(help.out.find("extract"), std::string::npos);
  const auto extractHelp = Zvq({"extract", "--help"});
  EXPECT_EQ(extractHelp.status, 0);
  EXPECT_NE(extractHelp.out.find("--overwrite"), std::string::npos);
  const auto version = Zvq({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("zvq ", 0), 0u) << version.out;

  for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
           {}, {"info"}, {"unpack", "x.zvq"}, {"list", "x.zvq", "--colour"}, {"info", "a.zvq", "b.zvq"},
           {"list", "x.zvq", "--user"}}) {
    const auto result = Zvq(wrong);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(wrong);
    EXPECT_NE(result.err.find("zvq --help"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
}

}  // namespace
}  // namespace sorvane::testing
