#include <gtest/gtest.h>

#include "platform/Format.h"

namespace sorvane {
namespace {

TEST(FormatTest, TextSpecifiersAsTheRuntimeHasThem) {
  const std::vector<std::string> two = {"C:/A/", "ü-Bx"};
  const struct {
    const char* format;
    const char* expected;
  } cases[] = {
      {"copy %s x", "copy C:/A/ x"},
      {"%s|%s", "C:/A/|ü-Bx"},
      {"%1:s %0:s", "ü-Bx C:/A/"},
      {"%0:s%s", "C:/A/ü-Bx"},   // after an index, the next argument follows it
      {"[%8s]", "[   C:/A/]"},
      {"[%-8s]", "[C:/A/   ]"},
      {"[%.2s]", "[C:]"},
      {"[%6.3s|%-6.2s]", "[   C:/|ü-    ]"},  // widths count characters, not bytes
      {"[%.s]", "[]"},
      {"[%2s]", "[C:/A/]"},
      {"100%% %S", "100% C:/A/"},
      {"%%s", "%s"},
      {"no specifier", "no specifier"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.format, two), c.expected) << c.format;
  }
}

TEST(FormatTest, ErrorsNameTheFormat) {
  const std::vector<std::string> one = {"T/"};
  const struct {
    const char* format;
    const char* text;
  } cases[] = {
      {"%s and %s", "Kein Argument für Format '%s and %s'"},
      {"%1:s", "Kein Argument für Format '%1:s'"},
      {"%d", "Format '%d' ungültig oder nicht kompatibel mit Argument"},
      {"%x%s", "Format '%x%s' ungültig oder nicht kompatibel mit Argument"},
      {"%p", "Format '%p' ungültig oder nicht kompatibel mit Argument"},
      {"%q", "Format '%q' ungültig oder nicht kompatibel mit Argument"},
      {"%*s", "Format '%*s' ungültig oder nicht kompatibel mit Argument"},
      {"50%", "Format '50%' ungültig oder nicht kompatibel mit Argument"},
      {"%99999999s", "Format '%99999999s' ungültig oder nicht kompatibel mit Argument"},
  };
  for (const auto& c : cases) {
    try {
      Format(c.format, one);
      ADD_FAILURE() << c.format << ": no error";
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), c.text);
    }
  }
  // The argument is looked for before its type: a wrong type without any
  // argument left is a missing argument.
  try {
    Format("%d", {});
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Kein Argument für Format '%d'");
  }
}

}  // namespace
}  // namespace sorvane
