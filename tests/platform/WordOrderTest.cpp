#include "platform/WordOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "RecordedTables.h"

namespace sorvane {
namespace {

// Each list must come out strictly ascending, every pair in both directions.
void ExpectAscending(const std::vector<AnsiString>& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      EXPECT_LT(CompareWordOrder(list[i], list[j]), 0) << '"' << list[i] << "\" before \"" << list[j] << '"';
      EXPECT_GT(CompareWordOrder(list[j], list[i]), 0) << '"' << list[j] << "\" after \"" << list[i] << '"';
    }
  }
}

TEST(WordOrderTest, LettersFirstAlphabeticallyThenAccentsThenLowerCaseFirst) {
  const std::vector<std::vector<AnsiString>> cases = {
      {"a", "A", "b", "B", "c"},
      {"apfel", "Apfel", "\xE4pfel", "\xC4pfel", "Apfelbaum", "apfelsaft"},
      {"e", "E", "\xE9", "\xC9", "\xE8", "\xEA", "\xEB", "f"},
      {"Mueller", "Muller", "M\xFCller", "M\xFCllerin"},  // ü sorts as u, not as ue
      {"Ol", "\xD8l", "ost", "zebra"},                     // Ø is an O with a stroke
      {"sal", "Sal", "\x9A" "al", "\x8A" "al", "Tal", "zoo", "Zoo", "\x9E" "oo", "\x8E" "oo"},
      {"ABC", "abd"},                                       // case does not outweigh letters
  };
  for (const auto& list : cases) ExpectAscending(list);
}

TEST(WordOrderTest, ExpandedLettersSortAsTheirTwoLetters) {
  ExpectAscending({"Strasse", "Stra\xDF" "e", "Strassen", "Strasst"});
  ExpectAscending({"ad", "ae", "\xE6", "\xC6", "af"});
  ExpectAscending({"oe", "\x9C", "\x8C", "of"});
  ExpectAscending({"th", "\xFE", "\xDE", "ti"});
}

TEST(WordOrderTest, HyphensAndApostrophesDoNotSeparateWords) {
  ExpectAscending({"coop", "co-op", "coopa"});
  ExpectAscending({"don\x92t", "dont", "don't", "donut"});  // the typographic quote is a symbol
  ExpectAscending({"re-read", "rerun"});  // "reread" < "rerun" although "-" < "r" in bytes
  ExpectAscending({"", "-", "--"});
  // Where the skipped character stands breaks the tie: one further back
  // sorts first.
  ExpectAscending({"coo-p", "co-op"});
  ExpectAscending({"c-", "-c"});
}

TEST(WordOrderTest, SymbolsThenDigitsThenLetters) {
  ExpectAscending({" ", "!", "(1)", "_a", "1", "10", "2", "9", "a"});
  ExpectAscending({"a.b.txt", "a_b.txt"});
  ExpectAscending({"a$b.txt", "a%b.txt"});
  ExpectAscending({"Bild 10.jpg", "Bild 2.jpg", "Bild.jpg", "Bild2.jpg", "Bilder"});
  ExpectAscending({"1", "\xB9", "2", "\xB2"});  // superscripts with their digit
  ExpectAscending({"a b", "a\xA0" "b", "ab"});    // the no-break space beside the space
}

// Every name must sort after the one before it wherever Windows tells them
// apart; as the order is transitive, sorting then gives Windows' order. Names
// that Windows finds equal may stand either way.
TEST(WordOrderTest, FollowsRecordedWindowsOrder) {
  for (const std::string set : {"file-names", "symbols", "accents", "bytes"}) {
    const std::vector<testing::RecordedName> names = testing::ReadWordOrderRecording(set);
    ASSERT_GT(names.size(), 1000U) << set;
    int differences = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
      if (names[i].equalToPrevious) continue;
      const AnsiString& before = names[i - 1].name;
      const AnsiString& after = names[i].name;
      if (CompareWordOrder(before, after) < 0 && CompareWordOrder(after, before) > 0) continue;
      if (++differences <= 10) ADD_FAILURE() << set << ": \"" << testing::Escaped(before) << "\" before \"" << testing::Escaped(after) << '"';
    }
    EXPECT_EQ(differences, 0) << set;
  }
}

TEST(WordOrderTest, OrderIsTotalOverEveryByte) {
  std::vector<AnsiString> all;
  for (int b = 0; b < 256; ++b) all.emplace_back(1, static_cast<char>(b));
  for (int b = 0; b < 256; b += 7) {
    all.push_back(AnsiString(1, static_cast<char>(b)) + "a");
    all.push_back("a" + AnsiString(1, static_cast<char>(b)));
  }
  for (const AnsiString& s : all) EXPECT_EQ(CompareWordOrder(s, s), 0);
  std::vector<AnsiString> sorted = all;
  std::sort(sorted.begin(), sorted.end(),
            [](const AnsiString& a, const AnsiString& b) { return CompareWordOrder(a, b) < 0; });
  // A consistent order keeps every pair of the sorted list in place; no two
  // different strings are equal.
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    for (std::size_t j = i + 1; j < sorted.size(); ++j) {
      ASSERT_LT(CompareWordOrder(sorted[i], sorted[j]), 0) << i << " " << j;
      ASSERT_GT(CompareWordOrder(sorted[j], sorted[i]), 0) << i << " " << j;
    }
  }
}

TEST(WordOrderTest, ControlCharactersOnlyBreakTies) {
  // The soft hyphen does not count at all; only the bytes tell it from "ab".
  ExpectAscending({"ab", "a\xAD" "b", "a\x01" "b", "a-b", "ac"});
}

}  // namespace
}  // namespace sorvane
