// The main window's start, page 0 and the moves between the pages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/DefaultErrorDisplay.h"
#include "support/WizardFixture.h"

namespace sorvane {
namespace {

using C = Form1Control;
using ::testing::ElementsAre;

class PagesTest : public WizardFixture {
 protected:
  void SetUp() override {
    AddContainer("/prog/A.zvq", {{"Gast", "", 0}}, {{"a.txt", {1}, "aaa"}}, "Titel A", "Autor A");
    AddContainer("/prog/B.zvq", {{"Gast", "", 0}}, {{"b.txt", {1}, "bbb"}}, "Titel \xC4", "M\xFCller");
  }
};

// Recorded start-up calls of the setup and update components.
class RecordingComponents : public StartupComponents {
 public:
  std::vector<std::string> calls;
  bool uninstalled = false;
  bool failRegistration = false;
  bool onlyUpdate = false;  // the update check ends the program
  bool terminated = false;
  bool Uninstalled() override {
    calls.push_back("Uninstalled");
    return uninstalled;
  }
  void RegisterProgram() override {
    calls.push_back("RegisterProgram");
    if (failRegistration) throw Exception("Registrierung verweigert");
  }
  void SetZIPFileName(const std::string& name) override { calls.push_back("ZIPFileName " + name); }
  void AutomaticUpdate() override {
    calls.push_back("AutomaticUpdate");
    terminated = terminated || onlyUpdate;
  }
  bool Terminated() override { return terminated; }
};

TEST_F(PagesTest, StartListsTheProgramFolderAndShowsPageZeroAsDesigned) {
  files.AddFile("/prog/Versteckt.ZVQ", std::string(1536, 'x'), /*hidden=*/true);
  files.AddFolder("/prog/Ordner.zvq");
  files.AddFile("/prog/notes.txt", "x");
  wizard.Create();

  EXPECT_EQ(view.caption, "Sorvane");
  EXPECT_EQ(view.page, 0);
  ASSERT_EQ(view.progPath.size(), 4u) << "hidden files and folders are listed too";
  EXPECT_EQ(view.progPath[2].caption, "Versteckt.ZVQ");
  EXPECT_EQ(view.progPath[2].size, "1,5 KB");
  EXPECT_EQ(view.progPath[3].caption, "Ordner.zvq");
  EXPECT_EQ(view.progPath[3].size, "0 Byte");
  EXPECT_TRUE(view.Enabled(C::Label_ProgPath));
  EXPECT_FALSE(view.Enabled(C::Button_Back));
  EXPECT_FALSE(view.Enabled(C::Button_Next));
  EXPECT_EQ(view.text[C::Button_Next], "Weiter &>");
  EXPECT_TRUE(view.visible[C::Button_Cancel]);
  EXPECT_FALSE(view.Enabled(C::Button_Extract));
  EXPECT_TRUE(previewView.doubleBuffered);

  // "Weiter &>" follows the selection on page 0.
  view.UserSelectProgPath(1);
  form.ListView_ProgPathSelectItem();
  EXPECT_TRUE(view.Enabled(C::Button_Next));
  view.UserSelectProgPath(-1);
  form.ListView_ProgPathSelectItem();
  EXPECT_FALSE(view.Enabled(C::Button_Next));
}

TEST_F(PagesTest, EmptyProgramFolderStillOpensThroughTheDialogWhichChecksTheExtension) {
  files.DeleteFile("/prog/A.zvq");
  files.DeleteFile("/prog/B.zvq");
  files.AddFile("/daten/Archiv.Zvq", ContainerBytes({{"Gast", "", 0}}, {}));
  wizard.Create();
  EXPECT_TRUE(view.progPath.empty());
  EXPECT_FALSE(view.Enabled(C::Label_ProgPath));
  EXPECT_FALSE(view.Enabled(C::Button_Next));

  dialogs.openAnswers = {std::nullopt, "/daten/Archiv.zvq.bak", "/daten/Archiv", "/daten/ordner.zvq/Archiv"};
  for (int i = 0; i < 4; ++i) form.SpeedButton_OpenClick();
  ASSERT_EQ(dialogs.messages.size(), 3u) << "cancel says nothing, the others are refused";
  for (const auto& message : dialogs.messages) {
    EXPECT_EQ(message.text, "Die ausgewählte Datei ist ungültig.");
    EXPECT_EQ(message.title, "Ungültige Datei");
    EXPECT_EQ(message.icon, MessageIcon::Error);
  }
  EXPECT_EQ(view.caption, "Sorvane");
  EXPECT_EQ(form.Catalogue().ContainerPath, "");

  dialogs.openAnswers = {"/daten/Archiv.Zvq"};
  form.SpeedButton_OpenClick();
  EXPECT_EQ(form.PageIndex(), 1) << "the extension is compared in upper case";
  EXPECT_EQ(view.caption, "Sorvane - [/daten/Archiv.Zvq]");
  const OpenDialogOptions& options = dialogs.lastOpenOptions;
  EXPECT_EQ(options.DefaultExt, "zvq");
  EXPECT_EQ(options.Filter, "Sorvane-Dateien (*.zvq)|*.zvq");
  EXPECT_TRUE(options.HideReadOnly && options.PathMustExist && options.FileMustExist && options.EnableSizing);
  EXPECT_EQ(options.InitialDir, "");

  // Back resets the caption and forgets the path.
  form.Button_BackClick();
  EXPECT_EQ(view.caption, "Sorvane");
  EXPECT_EQ(form.Catalogue().ContainerPath, "");
}

TEST_F(PagesTest, LoadRunsWithTheWaitWindowThenResetsPageOneInOrder) {
  wizard.Create();
  view.UserSelectProgPath(0);
  form.ListView_ProgPathSelectItem();
  view.TakeLog();
  bool closableDuringLoad = true;
  pump.onTurn = [&] { closableDuringLoad = closableDuringLoad && form.FormCloseQuery(); };
  form.Button_NextClick();

  EXPECT_FALSE(closableDuringLoad) << "the main window must not close while the load runs below";
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_THAT(waitView.log, ElementsAre("Range 1", "Position 0", "Show", "Position 1", "Hide"));
  EXPECT_EQ(pump.turns, 2);
  // Clearing a field is an edit: it chooses the user login once, and the
  // unchecking and the disabling undo that.
  EXPECT_THAT(view.TakeLog(),
              ElementsAre("SetWindowEnabled 0", "SetWindowEnabled 1", "BringApplicationToFront", "BringToFront",
                          "SetEnabled Button_Back 1", "SetEditText Edit_UserName ''", "SetChecked RadioButton_LogIn 1",
                          "SetEnabled Button_Next 1", "SetEditText Edit_Password ''",
                          "SetChecked RadioButton_LogIn 1", "SetChecked RadioButton_Guest 0",
                          "SetChecked RadioButton_LogIn 0", "SetText Label_Author Autor A",
                          "SetText Label_Title Titel A", "SetEnabled Button_Next 0", "ShowPage 1"));
  EXPECT_EQ(form.Catalogue().ContainerPath, "/prog/A.zvq");
}

TEST_F(PagesTest, EmptyContainerShowsAndClosesTheWaitWindowAtZeroOfZero) {
  AddContainer("/prog/Leer.zvq", {{"Gast", "", 0}}, {});
  StartAndLoad("Leer.zvq");
  EXPECT_THAT(waitView.log, ElementsAre("Range 0", "Position 0", "Show", "Hide"));
  EXPECT_TRUE(wizard.Form6().FormCloseQuery());
  LogInAsGuest();
  EXPECT_TRUE(view.files.empty());
}

TEST_F(PagesTest, FailedLoadStaysOnPageZeroWithTheWindowUsable) {
  files.AddFile("/prog/Kaputt.zvq", ContainerBytes({{"Gast", "", 0}}, {{"a.txt", {1}, "aaa"}}).substr(0, 30));
  wizard.Create();
  view.UserSelectProgPath(2);
  form.ListView_ProgPathSelectItem();
  EXPECT_THROW(form.Button_NextClick(), EReadError);
  EXPECT_EQ(form.PageIndex(), 0);
  EXPECT_TRUE(view.windowEnabled);
  EXPECT_FALSE(waitView.visible);
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_FALSE(view.Enabled(C::Button_Back));

  // Through the open dialog the caption named the failed file; it goes back
  // with the path.
  dialogs.openAnswers = {"/prog/Kaputt.zvq"};
  EXPECT_THROW(form.SpeedButton_OpenClick(), EReadError);
  EXPECT_EQ(view.caption, "Sorvane");
  EXPECT_EQ(form.Catalogue().ContainerPath, "");

  // The next step takes the entry selected now, not the file that failed.
  view.UserSelectProgPath(1);
  form.Button_NextClick();
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(form.Catalogue().ContainerPath, "/prog/B.zvq");
}

TEST_F(PagesTest, BackFromPageOneRebuildsTheListAndTheNextLoadTakesTheNewSelection) {
  StartAndLoad("A.zvq");
  EXPECT_EQ(view.text[C::Label_Title], "Titel A");
  files.AddFile("/prog/C.zvq", ContainerBytes({{"Gast", "", 0}}, {}));
  form.Button_BackClick();
  EXPECT_EQ(form.PageIndex(), 0);
  EXPECT_EQ(view.page, 0);
  EXPECT_FALSE(view.Enabled(C::Button_Back));
  EXPECT_FALSE(view.Enabled(C::Button_Next));
  EXPECT_EQ(view.progPath.size(), 3u) << "the list is searched again";
  EXPECT_EQ(view.progPathSelection, -1);

  view.UserSelectProgPath(1);
  form.ListView_ProgPathSelectItem();
  form.Button_NextClick();
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(view.text[C::Label_Title], "Titel \xC3\x84") << "shown in UTF-8";
  EXPECT_EQ(view.text[C::Label_Author], "M\xC3\xBCller");
}

TEST_F(PagesTest, BackFromPageTwoClearsTheLoginAndKeepsTheList) {
  StartAndLoad("A.zvq");
  LogInAsGuest();
  EXPECT_FALSE(view.visible[C::Button_Cancel]);
  EXPECT_EQ(view.text[C::Button_Next], "Be&enden");
  previewView.visible = true;

  form.Button_BackClick();
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_FALSE(previewView.visible);
  EXPECT_TRUE(view.visible[C::Button_Cancel]);
  EXPECT_EQ(view.text[C::Button_Next], "Weiter &>");
  EXPECT_FALSE(view.Enabled(C::Button_Next));
  EXPECT_FALSE(view.checked[Form1Radio::RadioButton_Guest]);
  EXPECT_FALSE(view.checked[Form1Radio::RadioButton_LogIn]);
  EXPECT_EQ(view.edits[Form1Edit::Edit_UserName], "");
  EXPECT_THAT(view.FileCaptions(), ElementsAre("a.txt"));
  EXPECT_TRUE(view.Enabled(C::Button_Back));
  // The kept list refers to the catalogue's members; should a later load
  // hold fewer, the hidden list draws empty rows instead of reading beyond.
  form.Catalogue().Members.Clear();
  view.RefreshFiles();
  EXPECT_THAT(view.FileCaptions(), ElementsAre(""));
  form.Catalogue().LoadCatalogue();

  // On page 1 the rebuilt program list must not touch "Weiter &>".
  view.UserSelectProgPath(0);
  form.ListView_ProgPathSelectItem();
  EXPECT_FALSE(view.Enabled(C::Button_Next));
}

TEST_F(PagesTest, ClosingFollowsThePage) {
  wizard.Create();
  form.Button_BackClick();
  EXPECT_EQ(form.PageIndex(), 0) << "back does nothing on page 0";
  EXPECT_FALSE(view.closed);
  form.Button_CancelClick();
  EXPECT_TRUE(view.closed);

  view.closed = false;
  StartAndLoad("A.zvq");
  LogInAsGuest();
  form.Button_NextClick();  // "Be&enden"
  EXPECT_TRUE(view.closed);
  EXPECT_EQ(form.PageIndex(), 2);
}

TEST_F(PagesTest, StartupComponentsRunInOrderAndAreSkippedAfterUninstall) {
  RecordingComponents components;
  form.SetStartupComponents(&components);
  wizard.Create();
  EXPECT_THAT(components.calls, ElementsAre("Uninstalled", "RegisterProgram", "ZIPFileName ZVQ2.zip", "AutomaticUpdate"));

  files.AddFile("/prog/ZVQCrtr.exe", "creator");
  components.calls.clear();
  wizard.Create();
  EXPECT_EQ(components.calls.at(2), "ZIPFileName ZVQ1.zip");

  RecordingComponents uninstalled;
  uninstalled.uninstalled = true;
  view.progPath.clear();
  view.caption.clear();
  form.SetStartupComponents(&uninstalled);
  wizard.Create();
  EXPECT_THAT(uninstalled.calls, ElementsAre("Uninstalled"));
  EXPECT_TRUE(view.progPath.empty());
  EXPECT_EQ(view.caption, "");
}

TEST_F(PagesTest, AnUpdateCheckThatEndsTheProgramEndsTheCreation) {
  RecordingComponents components;
  components.onlyUpdate = true;
  form.SetStartupComponents(&components);
  wizard.Create();
  EXPECT_THAT(components.calls, ElementsAre("Uninstalled", "RegisterProgram", "ZIPFileName ZVQ2.zip", "AutomaticUpdate"));
  EXPECT_EQ(view.caption, "");
  EXPECT_TRUE(view.progPath.empty());
}

TEST_F(PagesTest, FailedRegistrationEndsTheCreationButTheWindowsExist) {
  RecordingComponents components;
  components.failRegistration = true;
  form.SetStartupComponents(&components);
  wizard.Create();
  EXPECT_THAT(components.calls, ElementsAre("Uninstalled", "RegisterProgram"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Registrierung verweigert.");
  EXPECT_EQ(dialogs.messages[0].title, "Sorvane");
  EXPECT_EQ(view.caption, "");
  EXPECT_TRUE(view.progPath.empty());
  EXPECT_TRUE(previewView.doubleBuffered);
}

TEST_F(PagesTest, CommandLineFileOpensAsTheDialogWouldOnceTheWindowsExist) {
  files.AddFile("/daten/Kaputt.zvq", ContainerBytes({{"Gast", "", 0}}, {{"a.txt", {1}, "aaa"}}).substr(0, 30));
  AddContainer("/daten/Archiv.zvq", {{"Gast", "", 0}}, {}, "Titel D", "Autor D");
  files.SetCurrentFolder("/daten");
  RecordingComponents components;
  form.SetStartupComponents(&components);
  wizard.Create();

  // No argument, and the uninstall parameter (first argument of a run the
  // user answered "&Nein"), leave the start as it was.
  for (const char* argument : {"", "/uninstall"}) form.OpenCommandLineFile(argument);
  EXPECT_EQ(form.PageIndex(), 0);
  EXPECT_EQ(view.caption, "Sorvane");
  EXPECT_TRUE(dialogs.messages.empty());

  // A missing or broken file: the open dialog's error, shown by the default
  // error display, and page 0 with its list as before.
  auto shownFor = [&](const std::function<void()>& open) {
    dialogs.messages.clear();
    RunHandler(dialogs, open);
    return dialogs.messages.size() == 1 ? dialogs.messages[0].text + " | " + dialogs.messages[0].title : "?";
  };
  for (const char* name : {"Fehlt.zvq", "Kaputt.zvq", "Archiv.txt"}) {
    dialogs.openAnswers = {std::string("/daten/") + name};
    const std::string fromDialog = shownFor([&] { form.SpeedButton_OpenClick(); });
    EXPECT_EQ(shownFor([&] { form.OpenCommandLineFile(name); }), fromDialog) << name;
    EXPECT_EQ(form.PageIndex(), 0);
    EXPECT_EQ(view.caption, "Sorvane");
    EXPECT_EQ(view.progPath.size(), 2u);
  }
  EXPECT_EQ(shownFor([&] { form.OpenCommandLineFile("Fehlt.zvq"); }),
            "Datei /daten/Fehlt.zvq kann nicht geöffnet werden. | Sorvane");

  // A good file, named relative to the current folder, shows the login page.
  form.OpenCommandLineFile("Archiv.zvq");
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(view.caption, "Sorvane - [/daten/Archiv.zvq]");
  EXPECT_EQ(view.text[C::Label_Title], "Titel D");

  // After a confirmed uninstall run nothing is opened.
  form.Button_BackClick();
  components.uninstalled = true;
  form.OpenCommandLineFile("/daten/Archiv.zvq");
  EXPECT_EQ(form.PageIndex(), 0);
}

TEST_F(PagesTest, InfoButtonShowsTheAboutBoxWhenThereIsOne) {
  struct Info : InfoBox {
    std::vector<std::string> shown;
    void ShowInfo(const std::string& title, const std::string& time) override { shown.push_back(title + " " + time); }
  } info;
  wizard.Create();
  form.SpeedButton_InfoClick();  // none yet: nothing happens, nothing fails
  form.SetInfoBox(&info);
  form.SpeedButton_InfoClick();
  EXPECT_THAT(info.shown, ElementsAre("Sorvane 2003"));
}

}  // namespace
}  // namespace sorvane
