// Page 2: the button rule, "E&xtrahieren", "Aus&führen" and the member
// writing behind them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/WizardFixture.h"

namespace sorvane {
namespace {

using C = Form1Control;
using ::testing::ElementsAre;

constexpr char kFolderQuestion[] =
    "BrowseFolder Geben Sie das Verzeichnis an, in das die Dateien extrahiert werden sollen.||"
    "|-|-";

class ActionsTest : public WizardFixture {
 protected:
  void SetUp() override {
    AddContainer("/prog/K.zvq", {{"Gast", "", 0}},
                 {{"b.txt", {1}, "Inhalt B"},
                  {"a.txt", {1}, "Inhalt A"},
                  {"leer.dat", {1}, ""},
                  {"c.txt", {1}, "Inhalt C"},
                  {"a.txt", {1}, "zweites a"}});
    StartAndLoad("K.zvq");
    LogInAsGuest();
    // The list: a.txt, a.txt, b.txt, c.txt, leer.dat
  }
  void Tick(std::initializer_list<int> entries) {
    for (int i : entries) view.UserTick(i, true);
    form.ListView_FilesClick();
  }
  std::string Bytes(const std::string& path) { return files.FileBytes(path); }
};

TEST_F(ActionsTest, ButtonRuleFollowsTheTicks) {
  ASSERT_THAT(view.FileCaptions(), ElementsAre("a.txt", "a.txt", "b.txt", "c.txt", "leer.dat"));
  form.Button_SelAllClick("Button_SelAll");
  EXPECT_TRUE(view.files[4].checked);
  EXPECT_TRUE(view.Enabled(C::Button_Extract));
  EXPECT_TRUE(view.Enabled(C::Button_Execute));
  form.Button_SelAllClick("Button_SelNothing");
  EXPECT_FALSE(view.files[0].checked);
  EXPECT_FALSE(view.Enabled(C::Button_Extract));
  EXPECT_FALSE(view.Enabled(C::Button_Execute));

  // A key other than the space leaves the rule alone; space, click and a
  // released mouse button apply it.
  view.UserTick(3, true);
  form.ListView_FilesKeyPress('x');
  EXPECT_FALSE(view.Enabled(C::Button_Extract));
  form.ListView_FilesKeyPress(' ');
  EXPECT_TRUE(view.Enabled(C::Button_Execute));
  view.UserTick(3, false);
  form.ListView_FilesMouseUp();
  EXPECT_FALSE(view.Enabled(C::Button_Extract));

  // A tick made twice counts once.
  view.UserTick(1, true);
  view.UserTick(1, true);
  view.UserTick(1, false);
  form.ListView_FilesClick();
  EXPECT_FALSE(view.Enabled(C::Button_Extract));
}

TEST_F(ActionsTest, ExtractAsksForTheFolderOnceAndWritesEveryTickedMember) {
  Tick({2, 3, 4});
  dialogs.folderAnswers = {"/out"};
  form.Button_ExtractClick();
  EXPECT_THAT(dialogs.log, ElementsAre(kFolderQuestion));
  EXPECT_EQ(Bytes("/out/b.txt"), "Inhalt B");
  EXPECT_EQ(Bytes("/out/c.txt"), "Inhalt C");
  EXPECT_EQ(Bytes("/out/leer.dat"), "") << "a member of zero bytes gives an empty file";
  EXPECT_FALSE(files.HasFile("/out/a.txt"));
  EXPECT_EQ(form.Extraction().ExtractFolder, "/out");
  EXPECT_EQ(files.OpenCount("/prog/K.zvq"), 0) << "the container is closed after each member";

  // The next click asks again.
  dialogs.folderAnswers = {"/out/"};
  dialogs.yesNoAnswers = {DialogAnswer::Yes, DialogAnswer::Yes, DialogAnswer::Yes};
  form.Button_ExtractClick();
  EXPECT_EQ(dialogs.Count("BrowseFolder"), 2);
  EXPECT_EQ(dialogs.Count("AskYesNo"), 3) << "a folder with a trailing separator gives the same targets";
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(ActionsTest, CancelledFolderChoiceEndsExtractButExecuteAsksAgain) {
  Tick({2, 3});
  dialogs.folderAnswers = {std::nullopt};
  form.Button_ExtractClick();
  EXPECT_EQ(dialogs.Count("BrowseFolder"), 1) << "no further question";
  EXPECT_FALSE(files.HasFile("/out/b.txt"));

  dialogs.folderAnswers = {std::nullopt, "/out"};
  form.Button_ExecuteClick();
  EXPECT_EQ(dialogs.Count("BrowseFolder"), 3);
  EXPECT_FALSE(files.HasFile("/out/b.txt"));
  EXPECT_EQ(Bytes("/out/c.txt"), "Inhalt C");
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].path, "/out/c.txt");

  // Every choice cancelled, the last member's too: nothing is opened.
  dialogs.folderAnswers = {std::nullopt, std::nullopt};
  form.Button_ExecuteClick();
  EXPECT_EQ(dialogs.Count("BrowseFolder"), 5);
  EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(ActionsTest, OverwriteQuestionYesNoAndClosed) {
  files.AddFile("/out/b.txt", "alt B");
  files.AddFile("/out/c.txt", "alt C");
  Tick({2, 3, 4});
  dialogs.folderAnswers = {"/out"};
  dialogs.yesNoAnswers = {DialogAnswer::No, DialogAnswer::Closed, DialogAnswer::Yes};
  form.Button_ExtractClick();
  EXPECT_THAT(dialogs.log,
              ElementsAre(kFolderQuestion, "MessageBeep 48",
                          "AskYesNoAll Warnung|warning|Die Datei /out/b.txt existiert bereits. Soll Sie überschrieben werden?",
                          "MessageBeep 48",
                          "AskYesNoAll Warnung|warning|Die Datei /out/c.txt existiert bereits. Soll Sie überschrieben werden?",
                          "MessageBeep 48",
                          "AskYesNoAll Warnung|warning|Die Datei /out/c.txt existiert bereits. Soll Sie überschrieben werden?"));
  EXPECT_EQ(Bytes("/out/b.txt"), "alt B") << "declined: kept, and the next member went on";
  EXPECT_EQ(Bytes("/out/c.txt"), "Inhalt C") << "asked again after closing, then replaced";
  EXPECT_EQ(Bytes("/out/leer.dat"), "");
}

TEST_F(ActionsTest, AnswersForAllHoldForTheRestOfOneClick) {
  for (const char* name : {"/out/b.txt", "/out/c.txt", "/out/leer.dat"}) files.AddFile(name, "alt");
  Tick({2, 3, 4});
  dialogs.folderAnswers = {"/out"};
  dialogs.yesNoAnswers = {DialogAnswer::No, DialogAnswer::YesToAll};
  form.Button_ExtractClick();
  EXPECT_EQ(dialogs.Count("AskYesNoAll"), 2) << "\"Ja, alle\" answers leer.dat's question";
  EXPECT_EQ(Bytes("/out/b.txt"), "alt");
  EXPECT_EQ(Bytes("/out/c.txt"), "Inhalt C");
  EXPECT_EQ(Bytes("/out/leer.dat"), "");

  // The next click asks again; "Nein, alle" keeps every file that is there
  // and writes those that are not.
  files.DeleteFile("/out/leer.dat");
  dialogs.folderAnswers = {"/out"};
  dialogs.yesNoAnswers = {DialogAnswer::NoToAll};
  form.Button_ExecuteClick();
  EXPECT_EQ(dialogs.Count("AskYesNoAll"), 3);
  EXPECT_EQ(Bytes("/out/c.txt"), "Inhalt C");
  EXPECT_EQ(Bytes("/out/b.txt"), "alt");
  EXPECT_EQ(Bytes("/out/leer.dat"), "");
  ASSERT_EQ(shell.opened.size(), 1u) << "the last member was written";
}

TEST_F(ActionsTest, ExecuteOpensOnlyTheLastWrittenFileInItsFolder) {
  Tick({2, 3});
  dialogs.folderAnswers = {"/out"};
  form.Button_ExecuteClick();
  EXPECT_EQ(Bytes("/out/b.txt"), "Inhalt B");
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].path, "/out/c.txt");
  EXPECT_EQ(shell.opened[0].parameters, "");
  EXPECT_EQ(shell.opened[0].workingFolder, "/out/");
  EXPECT_EQ(shell.opened[0].showCommand, 1);

  // The last one declined at the overwrite question: nothing opens, even
  // though b.txt was written again.
  dialogs.folderAnswers = {"/out"};
  dialogs.yesNoAnswers = {DialogAnswer::Yes, DialogAnswer::No};
  form.Button_ExecuteClick();
  EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(ActionsTest, TwoEntriesOfOneNameBothWriteTheFirstMember) {
  Tick({0, 1});
  dialogs.folderAnswers = {"/out"};
  dialogs.yesNoAnswers = {DialogAnswer::Yes};
  form.Button_ExtractClick();
  EXPECT_EQ(dialogs.Count("AskYesNo"), 1) << "the second entry finds the file of the first";
  EXPECT_EQ(Bytes("/out/a.txt"), "Inhalt A");
}

TEST_F(ActionsTest, FailuresEndTheClick) {
  Tick({2, 3});
  // The container has gone since loading: no target is created.
  const std::string container = Bytes("/prog/K.zvq");
  files.DeleteFile("/prog/K.zvq");
  dialogs.folderAnswers = {"/out"};
  EXPECT_THROW(form.Button_ExtractClick(), EFOpenError);
  EXPECT_FALSE(files.HasFile("/out/b.txt"));

  // A target that cannot be created ends the click before the next member.
  files.AddFile("/prog/K.zvq", container);
  files.FailOpen("/out/b.txt");
  dialogs.folderAnswers = {"/out"};
  EXPECT_THROW(form.Button_ExtractClick(), EFCreateError);
  EXPECT_FALSE(files.HasFile("/out/c.txt"));
  EXPECT_EQ(files.OpenCount("/prog/K.zvq"), 0) << "the container is closed on failure too";
}

class UnsafeNameTest : public WizardFixture {};

TEST_F(UnsafeNameTest, MemberNamesWithAFolderPartAreRefusedUnwritten) {
  AddContainer("/prog/K.zvq", {{"Gast", "", 0}}, {{"../../home/user/.profile", {1}, "evil"}, {"ok.txt", {1}, "ok"}});
  StartAndLoad("K.zvq");
  LogInAsGuest();
  TickAll();
  dialogs.folderAnswers = {"/out/sub"};
  files.AddFolder("/out/sub");
  try {
    form.Button_ExtractClick();
    FAIL() << "an unsafe name must be refused";
  } catch (const EFCreateError& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("../../home/user/.profile"), std::string::npos) << refusal.what();
  }
  EXPECT_EQ(dialogs.Count("BrowseFolder"), 0) << "nothing is asked for a member that cannot be written";
  EXPECT_FALSE(files.HasFile("/home/user/.profile"));
  EXPECT_FALSE(files.HasFile("/out/.profile"));
}

}  // namespace
}  // namespace sorvane
