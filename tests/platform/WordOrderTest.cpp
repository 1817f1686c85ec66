#include "platform/posix/WordOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
  // Where the skipped character stands breaks the tie.
  ExpectAscending({"co-op", "coo-p"});
}

TEST(WordOrderTest, SymbolsThenDigitsThenLetters) {
  ExpectAscending({" ", "!", "(1)", "_a", "1", "10", "2", "9", "a"});
  ExpectAscending({"a.b.txt", "a_b.txt"});
  ExpectAscending({"a$b.txt", "a%b.txt"});
  ExpectAscending({"Bild 10.jpg", "Bild 2.jpg", "Bild.jpg", "Bild2.jpg", "Bilder"});
  ExpectAscending({"1", "\xB9", "2", "\xB2"});  // superscripts with their digit
  ExpectAscending({"a b", "a\xA0" "b", "ab"});    // the no-break space beside the space
}

// Every character of the code page alone, lowest first, as Windows' word
// sort orders them; the control characters are left out.
TEST(WordOrderTest, SingleCharactersInWindowsOrder) {
  const unsigned char expected[] = {
      0xAD, 0x27, 0x2D, 0x96, 0x97, 0x20, 0xA0, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x28, 0x29, 0x2A, 0x2C, 0x2E,
      0x2F, 0x3A, 0x3B, 0x3F, 0x40, 0x5B, 0x5C, 0x5D, 0x5E, 0x88, 0x5F, 0x60, 0x7B, 0x7C, 0x7D, 0x7E, 0xA1, 0xA6,
      0xA8, 0xAF, 0xB4, 0xB8, 0xBF, 0x98, 0x91, 0x92, 0x82, 0x93, 0x94, 0x84, 0x8B, 0x9B, 0xA2, 0xA3, 0xA4, 0xA5,
      0x80, 0x2B, 0x3C, 0x3D, 0x3E, 0xB1, 0xAB, 0xBB, 0xD7, 0xF7, 0xA7, 0xA9, 0xAC, 0xAE, 0xB0, 0xB5, 0xB6, 0xB7,
      0x85, 0x86, 0x87, 0x95, 0x89, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x30, 0xBC, 0xBD, 0xBE, 0x31, 0xB9, 0x32, 0xB2,
      0x33, 0xB3, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x61, 0x41, 0xAA, 0xE1, 0xC1, 0xE0, 0xC0, 0xE2, 0xC2, 0xE4,
      0xC4, 0xE3, 0xC3, 0xE5, 0xC5, 0xE6, 0xC6, 0x62, 0x42, 0x63, 0x43, 0xE7, 0xC7, 0x64, 0x44, 0xF0, 0xD0, 0x65,
      0x45, 0xE9, 0xC9, 0xE8, 0xC8, 0xEA, 0xCA, 0xEB, 0xCB, 0x66, 0x46, 0x83, 0x67, 0x47, 0x68, 0x48, 0x69, 0x49,
      0xED, 0xCD, 0xEC, 0xCC, 0xEE, 0xCE, 0xEF, 0xCF, 0x6A, 0x4A, 0x6B, 0x4B, 0x6C, 0x4C, 0x6D, 0x4D, 0x6E, 0x4E,
      0xF1, 0xD1, 0x6F, 0x4F, 0xBA, 0xF3, 0xD3, 0xF2, 0xD2, 0xF4, 0xD4, 0xF6, 0xD6, 0xF5, 0xD5, 0xF8, 0xD8, 0x9C,
      0x8C, 0x70, 0x50, 0x71, 0x51, 0x72, 0x52, 0x73, 0x53, 0x9A, 0x8A, 0xDF, 0x74, 0x54, 0xFE, 0xDE, 0x99, 0x75,
      0x55, 0xFA, 0xDA, 0xF9, 0xD9, 0xFB, 0xDB, 0xFC, 0xDC, 0x76, 0x56, 0x77, 0x57, 0x78, 0x58, 0x79, 0x59, 0xFD,
      0xDD, 0xFF, 0x9F, 0x7A, 0x5A, 0x9E, 0x8E};
  std::vector<AnsiString> list;
  for (const unsigned char c : expected) list.emplace_back(1, static_cast<char>(c));
  std::vector<AnsiString> sorted = list;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const AnsiString& a, const AnsiString& b) { return CompareWordOrder(a, b) < 0; });
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(static_cast<unsigned char>(sorted[i][0]), static_cast<unsigned char>(list[i][0])) << "place " << i;
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
  ExpectAscending({"ab", "a\x01" "b", "a\xAD" "b", "ac"});
}

}  // namespace
}  // namespace sorvane
