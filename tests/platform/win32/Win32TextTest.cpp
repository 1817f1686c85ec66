// The text services on the system's own calls, against Windows' answers
// that the Linux build's own implementations are checked against too.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "RecordedTables.h"
#include "Win32TestFolder.h"
#include "platform/Cp1252CodePage.h"
#include "platform/ProfileText.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// The sort keys' order compared as bytes: negative, zero or positive.
int KeyOrder(Win32Locale& locale, std::string_view a, std::string_view b) {
  std::string keyA, keyB;
  EXPECT_TRUE(locale.AppendSortKey(a, keyA));
  EXPECT_TRUE(locale.AppendSortKey(b, keyB));
  return keyA.compare(keyB);
}

// Both ways of ordering: the comparison, and the sort keys that long lists
// are sorted by.
TEST(Win32TextTest, TheLocalesWordOrderAndItsSortKeysAreTheRecordedOrder) {
  Win32Locale locale;
  for (const std::string set : {"file-names", "symbols", "accents", "bytes"}) {
    const auto names = testing::ReadWordOrderRecording(set);
    int differences = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
      const int order = locale.CompareStrings(names[i - 1].name, names[i].name);
      const int keyOrder = KeyOrder(locale, names[i - 1].name, names[i].name);
      if (names[i].equalToPrevious ? order == 0 && keyOrder == 0 : order < 0 && keyOrder < 0) continue;
      if (++differences <= 10) {
        ADD_FAILURE() << set << ": \"" << testing::Escaped(names[i - 1].name) << "\" against \""
                      << testing::Escaped(names[i].name) << "\" gives " << order << ", by keys " << keyOrder;
      }
    }
    EXPECT_EQ(differences, 0) << set;
  }
}

TEST(Win32TextTest, SortKeysAppendAndReadTextsAsTheComparisonDoes) {
  Win32Locale locale;
  std::string keys = "b";
  ASSERT_TRUE(locale.AppendSortKey("x", keys));
  EXPECT_EQ(keys[0], 'b') << "what keys held stays";
  // The comparison reads a text up to its first NUL byte.
  EXPECT_EQ(KeyOrder(locale, std::string_view("ab\0c", 4), "ab"), 0);
  // Texts longer than the usual room, some whose letters expand ("\xDF" is
  // "ss" to the comparison).
  const std::string sharp(300, '\xDF'), doubled(600, 's'), ligature(300, '\xE6');
  for (const auto& [a, b] : {std::pair{sharp, doubled}, {doubled, sharp}, {ligature, sharp}, {sharp + "a", doubled}}) {
    const int order = locale.CompareStrings(a, b), keyOrder = KeyOrder(locale, a, b);
    EXPECT_EQ((keyOrder > 0) - (keyOrder < 0), (order > 0) - (order < 0))
        << a.substr(0, 3) << " against " << b.substr(0, 3);
  }
}

// The system's profile reader on every recorded case, each in a file of its
// own (the reader keeps files it has read in a cache).
TEST(Win32TextTest, TheSystemsProfileReaderAnswersAsRecordedAndAsOurs) {
  const std::string folder = testing::MakeTestFolder("sorvane-profile");
  int number = 0;
  for (const auto& answer : testing::ReadProfileRecording()) {
    const std::string path = folder + "/" + std::to_string(++number) + ".ini";
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, answer.file.data(), static_cast<DWORD>(answer.file.size()), &written, nullptr);
    ::CloseHandle(file);
    constexpr char kDefault[] = "\x01-";
    char value[2048] = {};
    ::GetPrivateProfileStringA(answer.section.c_str(), answer.key.c_str(), kDefault, value, sizeof value, path.c_str());
    const std::optional<std::string> system = std::string(value) == kDefault ? std::nullopt : std::optional(std::string(value));
    EXPECT_EQ(system, answer.value) << answer.line;
    EXPECT_EQ(ProfileText(answer.file).Value(answer.section, answer.key), system) << answer.line;
  }
  testing::RemoveTestFolder(folder);
}

// Code page 1252 whatever the system's ANSI code page is.
TEST(Win32TextTest, TheCodePageConvertsAsTheTable) {
  Win32CodePage system;
  Cp1252CodePage table;
  AnsiString all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(system.AnsiToUtf8(all), table.AnsiToUtf8(all));
  EXPECT_EQ(system.Utf8ToAnsi(table.AnsiToUtf8(all)), all);
  EXPECT_EQ(system.Utf8ToWide("Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC"), u"Größe €");
  // No look-alikes: the division slash and the full-width letter stay marks.
  EXPECT_EQ(system.Utf8ToAnsi("a\xE2\x88\x95" "b\xEF\xBC\xA1"), "a?b?");
  EXPECT_EQ(system.WideToAnsi(u"\u0100x\u00E4"), "?x\xE4");
  EXPECT_EQ(system.Utf8ToWide("a\xC3"), u"a\uFFFD");
}

TEST(Win32TextTest, TheLocaleSettingsArePictures) {
  Win32Locale locale;
  EXPECT_EQ(locale.DecimalSeparator().size(), 1u);
  for (const char field : {'d', 'M', 'y'}) EXPECT_NE(locale.ShortDateFormat().find(field), std::string::npos);
  EXPECT_NE(locale.LongTimeFormat().find("mm"), std::string::npos);
}

}  // namespace
}  // namespace sorvane
