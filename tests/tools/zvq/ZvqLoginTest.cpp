#include <string>

#include "ZvqFixture.h"

namespace sorvane::testing {
namespace {

constexpr char kWrongPassword[] = "zvq: Das eingegebene Passwort ist nicht korrekt.\n";
constexpr char kUnknownUser[] = "zvq: Der eingegebene Benutzername wurde vom Ersteller der Datei nicht eingetragen.\n";
constexpr char kEmptyUser[] = "zvq: Sie müssen einen Benutzernamen eingeben oder sich als Gast anmelden.\n";
constexpr char kPasswordNeeded[] = "Passwort benötigt";

// A guest without password, "Jürgen" with the password "Grüße" and "Anna"
// without one; each sees "Alle.txt" and a member of their own.
class ZvqLoginTest : public ZvqFixture {
 protected:
  void SetUp() override {
    ZvqFixture::SetUp();
    container = MakeContainer("login.zvq", 3, [](ContainerWriter& w) {
      w.AddMember("Gast.txt", {1, 0, 0}, "g");
      w.AddMember("F\xFCr J\xFCrgen.txt", {0, 1, 0}, "j");
      w.AddMember("Alle.txt", {1, 1, 1}, "a");
      w.AddMember("Anna.txt", {0, 256, 0x101}, "n");  // only the low byte counts
    }, {{"Gast", "", 0}, {"J\xFCrgen", "Gr\xFC\xDF" "e", 1}, {"Anna", "", 2}});
  }

  ProgramResult List(std::vector<std::string> extra) {
    std::vector<std::string> arguments{"list", container};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return Zvq(arguments);
  }

  std::string container;
};

TEST_F(ZvqLoginTest, GuestAndUsersSeeTheirColumns) {
  EXPECT_EQ(List({}).out, "Alle.txt\t1 Byte\nGast.txt\t1 Byte\n");
  EXPECT_EQ(List({"--user", "Anna"}).out, "Alle.txt\t1 Byte\nAnna.txt\t1 Byte\n");
  // An umlaut typed in UTF-8 matches the container's Windows-1252 name, and
  // so does the password from a UTF-8 file.
  WriteFile(Path("pw"), "Grüße\nsecond line\n");
  const auto juergen = List({"--user", "Jürgen", "--password-file", Path("pw")});
  EXPECT_EQ(juergen.status, 0) << juergen.err;
  EXPECT_EQ(juergen.out, "Alle.txt\t1 Byte\nFür Jürgen.txt\t1 Byte\n");
}

TEST_F(ZvqLoginTest, PasswordFileMayBeWindows1252WithCrLf) {
  WriteFile(Path("pw"), "Gr\xFC\xDF" "e\r\n");
  const auto result = List({"--user", "Jürgen", "--password-file", Path("pw")});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Für Jürgen.txt"), std::string::npos);
}

TEST_F(ZvqLoginTest, RefusedLoginsGiveTheLoginMessagesAndStatusTwo) {
  WriteFile(Path("wrong"), "grüße\n");
  WriteFile(Path("right"), "Grüße");
  const struct {
    std::vector<std::string> extra;
    std::string err;
  } cases[] = {
      {{"--user", "Jürgen", "--password-file", Path("wrong")}, kWrongPassword},
      {{"--user", "Jürgen ", "--password-file", Path("right")}, kUnknownUser},
      // The name is checked before any password is asked for.
      {{"--user", "Karl"}, kUnknownUser},
      {{"--user", ""}, kEmptyUser},
      {{"--user", "Jürgen", "--password-file", Path("none")},
       "zvq: Datei " + Path("none") + " kann nicht geöffnet werden.\n"},
      // A password file is compared even for an account without password.
      {{"--user", "Anna", "--password-file", Path("right")}, kWrongPassword},
  };
  for (const auto& c : cases) {
    const auto result = List(c.extra);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(c.extra);
    EXPECT_EQ(result.err, c.err) << ::testing::PrintToString(c.extra);
    EXPECT_EQ(result.out, "");
  }
}

TEST_F(ZvqLoginTest, WithoutTerminalOrFileAPasswordIsNeeded) {
  const auto result = List({"--user", "Jürgen"});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find(kPasswordNeeded), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST_F(ZvqLoginTest, GuestPasswordComesFromTheFileExactly) {
  const std::string locked = MakeContainer("locked.zvq", 1, [](ContainerWriter& w) { w.AddMember("a", {1}, "x"); },
                                           {{"Gast", "Tor", 0}});
  WriteFile(Path("lower"), "tor\n");
  WriteFile(Path("exact"), "Tor");
  const auto none = Zvq({"list", locked});
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find(kPasswordNeeded), std::string::npos);
  const auto lower = Zvq({"list", locked, "--password-file", Path("lower")});
  EXPECT_EQ(lower.status, 2);
  EXPECT_EQ(lower.err, kWrongPassword);
  const auto exact = Zvq({"list", locked, "--password-file", Path("exact")});
  EXPECT_EQ(exact.status, 0) << exact.err;
  EXPECT_EQ(exact.out, "a\t1 Byte\n");
}

TEST_F(ZvqLoginTest, ContainerWithoutAccountsAndColumnsOutsideTheFlags) {
  const std::string empty = MakeContainer("empty.zvq", 0, [](ContainerWriter& w) { w.AddMember("a", {}, "x"); }, {});
  const auto info = Zvq({"info", empty});
  EXPECT_EQ(info.status, 0);
  EXPECT_EQ(info.out, "Titel: Titel\nAutor: Autor\nDateien: 1\nKonten: 0\n");
  const auto guest = Zvq({"list", empty});
  EXPECT_EQ(guest.status, 2);
  EXPECT_EQ(guest.err, "zvq: Der Ersteller der Datei hat keine Konten eingetragen. Eine Anmeldung als Gast ist nicht "
                       "möglich.\n");

  const std::string odd = MakeContainer("odd.zvq", 2, [](ContainerWriter& w) { w.AddMember("a", {1, 1}, "x"); },
                                        {{"Gast", "", 0}, {"weit", "", 2}});
  const auto far = Zvq({"list", odd, "--user", "weit"});
  EXPECT_EQ(far.status, 0) << far.err;
  EXPECT_EQ(far.out, "");
}

}  // namespace
}  // namespace sorvane::testing
