#include "app/DefaultErrorDisplay.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "support/FakeDialogs.h"

namespace sorvane {
namespace {

TEST(DefaultErrorDisplayTest, FullStopOnlyAfterCharactersSortingAfterTheDot) {
  const struct {
    const char* text;
    const char* shown;
  } rows[] = {
      {"Stream-Lesefehler", "Stream-Lesefehler."},
      {"Unbekannte Bilddateierweiterung (.TIF)", "Unbekannte Bilddateierweiterung (.TIF)"},
      {"Fertig.", "Fertig."},
      {"Wirklich?", "Wirklich?."},  // "?" sorts after "."
      {"Achtung!", "Achtung!"},
      {"Nummer 7", "Nummer 7."},
      {"Ende ", "Ende "},
      {"Datei /tmp/", "Datei /tmp/."},  // "/" sorts right after "."
      {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xC3\xB6\xC3\x9F" "e."},
      {"Gr\xC3\xB6\xC3\x9F", "Gr\xC3\xB6\xC3\x9F."},  // a character beyond ASCII sorts after "."
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(ErrorDisplayText(row.text), row.shown) << row.text;
}

TEST(DefaultErrorDisplayTest, RunHandlerShowsTheFailureTitledWithTheApplication) {
  FakeDialogs dialogs;
  bool after = false;
  RunHandler(dialogs, [&] {
    throw EFOpenError(FormatText(texts::kFOpenError, "/a.zvq"));
    after = true;
  });
  RunHandler(dialogs, [] { throw std::bad_alloc(); });
  RunHandler(dialogs, [] {});
  EXPECT_FALSE(after);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text, "Datei /a.zvq kann nicht geöffnet werden.");
  EXPECT_EQ(dialogs.messages[0].title, "Sorvane");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(dialogs.messages[1].text, "Zu wenig Arbeitsspeicher.");
}

}  // namespace
}  // namespace sorvane
