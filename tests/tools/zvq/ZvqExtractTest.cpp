#include <filesystem>
#include <string>

#include "ZvqFixture.h"

namespace sorvane::testing {
namespace {

class ZvqExtractTest : public ZvqFixture {
 protected:
  void SetUp() override {
    ZvqFixture::SetUp();
    container = MakeContainer("c.zvq", 2, [](ContainerWriter& w) {
      w.AddMember("Gast.txt", {1, 0}, "nur Gast");
      w.AddMember("\xDC" "bersicht.txt", {1, 1}, "Gr\xFC\xDF" "e");
      w.AddMember("leer", {1, 1}, "");
      w.AddMember("kurz", {1, 0}, "ab", 1000);  // shown as 1000 bytes, holds 2
      w.AddMember("Geheim.txt", {0, 1}, "geheim");
    }, {{"Gast", "", 0}, {"J\xFCrgen", "", 1}});
  }

  ProgramResult Extract(std::vector<std::string> extra) {
    std::vector<std::string> arguments{"extract", container, "-d", Path("out")};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return Zvq(arguments);
  }

  std::string container;
};

TEST_F(ZvqExtractTest, WritesEveryVisibleMemberUnderItsUtf8NameByteForByte) {
  const auto result = Extract({});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(FolderNames(Path("out")), (std::vector<std::string>{"Gast.txt", "kurz", "leer", "Übersicht.txt"}));
  EXPECT_EQ(ReadFile(Path("out/Übersicht.txt")), "Gr\xFC\xDF" "e") << "data is copied unchanged";
  EXPECT_EQ(ReadFile(Path("out/kurz")), "ab");
  EXPECT_EQ(ReadFile(Path("out/leer")), "");
  // One line per written file, in the member list's order.
  const std::string out = Path("out");
  EXPECT_EQ(result.out, out + "/Gast.txt\n" + out + "/kurz\n" + out + "/leer\n" + out + "/Übersicht.txt\n");

  const auto user = Zvq({"extract", container, "--user", "Jürgen", "-d", Path("user/nested")});
  EXPECT_EQ(user.status, 0) << user.err;
  EXPECT_EQ(FolderNames(Path("user/nested")), (std::vector<std::string>{"Geheim.txt", "leer", "Übersicht.txt"}));
}

TEST_F(ZvqExtractTest, NamedMembersOnly) {
  const auto result = Extract({"Übersicht.txt", "leer", "leer"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(FolderNames(Path("out")), (std::vector<std::string>{"leer", "Übersicht.txt"}));

  // A name the login does not see is wrong usage; nothing is written.
  const auto hidden = Zvq({"extract", container, "-d", Path("other"), "Gast.txt", "Geheim.txt"});
  EXPECT_EQ(hidden.status, 2);
  EXPECT_EQ(hidden.err, "zvq: Die Datei Geheim.txt ist für dieses Konto nicht im Container enthalten.\n");
  EXPECT_FALSE(Exists(Path("other")));
}

TEST_F(ZvqExtractTest, ExistingFilesAreKeptUnlessOverwriteIsGiven) {
  const auto first = Extract({"Gast.txt"});
  ASSERT_EQ(first.status, 0) << first.err;
  WriteFile(Path("out/Gast.txt"), "meine Notizen");

  const auto kept = Extract({});
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.err, "zvq: Die Datei " + Path("out/Gast.txt") + " existiert bereits und wurde nicht überschrieben.\n");
  EXPECT_EQ(ReadFile(Path("out/Gast.txt")), "meine Notizen");
  EXPECT_EQ(ReadFile(Path("out/kurz")), "ab") << "the other members are still written";

  const auto overwritten = Extract({"--overwrite"});
  EXPECT_EQ(overwritten.status, 0) << overwritten.err;
  EXPECT_EQ(ReadFile(Path("out/Gast.txt")), "nur Gast");
}

// Anyone may plant a link in a shared folder: overwriting replaces the link,
// and the file it leads to, outside the folder, keeps its bytes.
TEST_F(ZvqExtractTest, OverwritingReplacesALinkInsteadOfWritingThroughIt) {
  WriteFile(Path("fremd.txt"), "nicht meins");
  std::filesystem::create_directories(Path("out"));
  std::filesystem::create_symlink(Path("fremd.txt"), Path("out/Gast.txt"));
  const auto result = Extract({"--overwrite", "Gast.txt"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(Path("fremd.txt")), "nicht meins");
  EXPECT_FALSE(std::filesystem::is_symlink(Path("out/Gast.txt")));
  EXPECT_EQ(ReadFile(Path("out/Gast.txt")), "nur Gast");
}

TEST_F(ZvqExtractTest, NamesThatAreNotPlainFileNamesAreRefused) {
  const std::string bad = MakeContainer("bad.zvq", 1, [](ContainerWriter& w) {
    for (const char* name : {"../x", "..", ".", "a/b", "/tmp/zvq-abs", "..\\y", ""}) w.AddMember(name, {1}, "BAD");
    w.AddMember(std::string("nul\0z", 5), {1}, "BAD");
    w.AddMember("ok.txt", {1}, "gut");
  }, {{"Gast", "", 0}});
  std::filesystem::create_directories(Path("d"));
  WriteFile(Path("d/.keep"), "");
  const auto result = Zvq({"extract", bad, "-d", Path("d")});
  EXPECT_EQ(result.status, 4);
  EXPECT_NE(result.err.find("zvq: Die Datei \"../x\" hat keinen gültigen Dateinamen und wird nicht extrahiert."),
            std::string::npos)
      << result.err;
  EXPECT_EQ(FolderNames(Path("d")), (std::vector<std::string>{".keep", "ok.txt"}));
  EXPECT_EQ(ReadFile(Path("d/ok.txt")), "gut");
  EXPECT_FALSE(Exists(Path("x")));
  EXPECT_FALSE(Exists("/tmp/zvq-abs"));
  EXPECT_EQ(FolderNames(Path("")), (std::vector<std::string>{"bad.zvq", "c.zvq", "d"}));
}

TEST_F(ZvqExtractTest, MembersOfTheSameNameAreWrittenOnceWithTheFirstOnesData) {
  const std::string twice = MakeContainer("twice.zvq", 1, [](ContainerWriter& w) {
    w.AddMember("dup.txt", {1}, "erste");
    w.AddMember("dup.txt", {1}, "zweite");
  }, {{"Gast", "", 0}});
  EXPECT_EQ(Zvq({"list", twice}).out, "dup.txt\t5 Byte\ndup.txt\t6 Byte\n");
  const auto result = Zvq({"extract", twice, "-d", Path("t")});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(Path("t/dup.txt")), "erste");
}

TEST_F(ZvqExtractTest, UnwritableTargetsCountAsNotWritten) {
  // A folder where a member's file would go cannot be replaced by a file.
  std::filesystem::create_directories(Path("out/leer"));
  const auto result = Extract({});
  EXPECT_EQ(result.status, 4);
  EXPECT_NE(result.err.find("Datei " + Path("out/leer") + " kann nicht erstellt werden"), std::string::npos)
      << result.err;
  EXPECT_EQ(ReadFile(Path("out/kurz")), "ab");

  // A -d that names a file is no folder to write into.
  WriteFile(Path("plain"), "");
  const auto notFolder = Zvq({"extract", container, "-d", Path("plain")});
  EXPECT_EQ(notFolder.status, 4);
  EXPECT_EQ(notFolder.err, "zvq: Das Verzeichnis " + Path("plain") + " kann nicht erstellt werden.\n");
}

TEST_F(ZvqExtractTest, DefaultFolderIsTheCurrentOne) {
  std::filesystem::create_directories(Path("here"));
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(Path("here"));
  const auto result = Zvq({"extract", container, "kurz"});
  std::filesystem::current_path(cwd);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(Path("here/kurz")), "ab");
}

}  // namespace
}  // namespace sorvane::testing
