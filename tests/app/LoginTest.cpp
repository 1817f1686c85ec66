#include "app/Login.h"

#include <gtest/gtest.h>

#include "container/LoadEffects.h"
#include "platform/Cp1252CodePage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixLocale.h"

namespace sorvane {
namespace {

// A catalogue filled by hand: the login only reads its tables.
class LoginTest : public ::testing::Test {
 protected:
  void Accounts(std::vector<ContainerAccount> accounts) { catalogue.Accounts = std::move(accounts); }
  void Member(const AnsiString& name, std::vector<std::uint8_t> flags) {
    catalogue.Members.Add(name, flags, 1);
  }
  std::vector<AnsiString> Listed(std::int32_t column) { return Listed(column, locale); }
  std::vector<AnsiString> Listed(std::int32_t column, Locale& sorting) {
    std::vector<AnsiString> names;
    for (const std::int32_t i : ListVisibleMembers(catalogue, column, sorting)) {
      names.emplace_back(catalogue.Members[static_cast<std::size_t>(i)].Name);
    }
    return names;
  }

  PosixFileSystem files;
  Cp1252CodePage codePage;
  NoLoadEffects effects;
  PosixLocale locale{"C", "C"};
  ContainerCatalogue catalogue{files, codePage, effects};
};

TEST_F(LoginTest, GuestUsesColumnZeroAndItsPasswordExactly) {
  Accounts({{"Gast", "", 2}, {"J\xFCrgen", "geheim", 1}, {"x", "", 0}});
  EXPECT_FALSE(GuestNeedsPassword(catalogue));
  const LoginOutcome open = LogInAsGuest(catalogue, "anything");
  EXPECT_TRUE(open.Accepted());
  EXPECT_EQ(open.Column, 0) << "not account 0's own Column";

  catalogue.Accounts[0].Password = "Tor";
  EXPECT_TRUE(GuestNeedsPassword(catalogue));
  EXPECT_EQ(LogInAsGuest(catalogue, "tor").Message, login_texts::kWrongPassword);
  EXPECT_EQ(LogInAsGuest(catalogue, "").Message, login_texts::kWrongPassword);
  EXPECT_TRUE(LogInAsGuest(catalogue, "Tor").Accepted());
}

TEST_F(LoginTest, UserLoginChecksNameThenPassword) {
  Accounts({{"Gast", "", 0}, {"J\xFCrgen", "Gr\xFC\xDF" "e", 1}, {"", "", 2}, {"J\xFCrgen", "zwei", 2}});
  EXPECT_EQ(LogInAsUser(catalogue, "", "").Message, login_texts::kEmptyUserName)
      << "an empty name is refused although an account has it";
  EXPECT_EQ(LogInAsUser(catalogue, "J\xFCrgen ", "Gr\xFC\xDF" "e").Message, login_texts::kUnknownUser);
  EXPECT_EQ(LogInAsUser(catalogue, "j\xFCrgen", "Gr\xFC\xDF" "e").Message, login_texts::kUnknownUser);
  EXPECT_EQ(LogInAsUser(catalogue, "J\xFCrgen", "zwei").Message, login_texts::kWrongPassword)
      << "only the first account of a name counts";
  const LoginOutcome ok = LogInAsUser(catalogue, "J\xFCrgen", "Gr\xFC\xDF" "e");
  ASSERT_TRUE(ok.Accepted());
  EXPECT_EQ(ok.Account, 1);
  EXPECT_EQ(ok.Column, 1);
  // The guest account can be used by its name, with its own column.
  catalogue.Accounts[0].Column = 2;
  EXPECT_EQ(LogInAsUser(catalogue, "Gast", "").Column, 2);
  // The name alone, before any password is asked.
  EXPECT_EQ(FindUserAccount(catalogue, "J\xFCrgen").Account, 1);
  EXPECT_EQ(FindUserAccount(catalogue, "Karl").Message, login_texts::kUnknownUser);
}

TEST_F(LoginTest, ContainerWithoutAccountsRefusesGuestWithAMessage) {
  Member("a.txt", {});
  EXPECT_FALSE(GuestNeedsPassword(catalogue));
  EXPECT_EQ(LogInAsGuest(catalogue, "").Message, login_texts::kNoGuestAccount);
  EXPECT_EQ(LogInAsUser(catalogue, "Gast", "").Message, login_texts::kUnknownUser);
  EXPECT_TRUE(Listed(0).empty()) << "no flags, nothing visible";
}

TEST_F(LoginTest, ListShowsVisibleMembersInWordOrder) {
  Accounts({{"Gast", "", 0}, {"u", "", 1}});
  Member("b.txt", {1, 1});
  Member("\xC4pfel.txt", {1, 0});
  Member("hidden", {0, 1});
  Member("apfel.txt", {1, 0});
  Member("Apfel.txt", {1, 0});
  Member("b.txt", {0, 1});
  EXPECT_EQ(Listed(0), (std::vector<AnsiString>{"apfel.txt", "Apfel.txt", "\xC4pfel.txt", "b.txt"}));
  EXPECT_EQ(Listed(1), (std::vector<AnsiString>{"b.txt", "b.txt", "hidden"}));
  // Two members of one name stay in file order.
  const auto both = ListVisibleMembers(catalogue, 1, locale);
  EXPECT_LT(both[0], both[1]);
}

// Sort keys that differ from the comparison, so that the test sees which
// one sorted: a name's bytes backwards; names starting with "-" have none.
class BackwardsKeys : public PosixLocale {
 public:
  BackwardsKeys() : PosixLocale("C", "C") {}
  bool AppendSortKey(std::string_view text, std::string& keys) override {
    if (text.starts_with('-')) return false;
    keys.append(text.rbegin(), text.rend());
    return true;
  }
};

TEST_F(LoginTest, ListFollowsTheLocalesSortKeysWhereItHasThemForEveryName) {
  Accounts({{"Gast", "", 0}});
  for (const char* name : {"ba", "ab", "xa", "ab", "ca", "b"}) Member(name, {name[0] != 'x'});
  BackwardsKeys keys;
  EXPECT_EQ(Listed(0, keys), (std::vector<AnsiString>{"ba", "ca", "b", "ab", "ab"}));
  const auto sorted = ListVisibleMembers(catalogue, 0, keys);
  EXPECT_LT(sorted[3], sorted[4]) << "equal keys keep file order";
  // One name without a key: all by the comparison.
  Member("-z", {1});
  EXPECT_EQ(Listed(0, keys), (std::vector<AnsiString>{"ab", "ab", "b", "ba", "ca", "-z"}));
}

TEST_F(LoginTest, ColumnOutsideTheFlagsSeesNothing) {
  Accounts({{"Gast", "", 0}, {"weit", "", 7}, {"negativ", "", -1}});
  Member("a", {1, 1, 1});
  EXPECT_TRUE(Listed(LogInAsUser(catalogue, "weit", "").Column).empty());
  EXPECT_TRUE(Listed(LogInAsUser(catalogue, "negativ", "").Column).empty());
  EXPECT_EQ(Listed(2).size(), 1u);
  EXPECT_TRUE(Listed(3).empty());
}

}  // namespace
}  // namespace sorvane
