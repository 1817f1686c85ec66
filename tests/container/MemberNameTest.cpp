#include "container/MemberName.h"

#include <gtest/gtest.h>

#include "platform/Cp1252CodePage.h"

namespace sorvane {
namespace {

TEST(MemberNameTest, OnlyPlainFileNamesAreAccepted) {
  EXPECT_TRUE(IsPlainFileName("a.txt"));
  EXPECT_TRUE(IsPlainFileName("..a"));
  EXPECT_TRUE(IsPlainFileName("Gr\xF6\xDF" "e.txt"));
  EXPECT_TRUE(IsPlainFileName(" "));
  for (const AnsiString& bad : {AnsiString(), AnsiString("."), AnsiString(".."), AnsiString("../x"),
                               AnsiString("a/b"), AnsiString("/etc/passwd"), AnsiString("..\\x"),
                               AnsiString("x\0y", 3)}) {
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
  }
}

TEST(MemberNameTest, TheMessageNamesTheMemberInUtf8) {
  Cp1252CodePage cp;
  EXPECT_EQ(UnsafeMemberNameMessage("..\\\xE4\n", cp),
            "Die Datei \"..\\ä?\" hat keinen gültigen Dateinamen und wird nicht extrahiert.");
}

}  // namespace
}  // namespace sorvane
