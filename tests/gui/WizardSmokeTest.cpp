// Runs the real program under an X server and goes through the wizard with
// simulated input: choose the container, log in as guest (password query),
// tick with the keyboard, extract (folder browser, overwrite question
// declined and accepted), preview the photo, go back, log in as the user,
// open the sample through the open dialog. Accelerators and mnemonics are
// pressed as keys, the folder browser and the open dialog are used as a
// person uses them.
// Screenshots of every page go to the artifact folder given as argument.
#include <gtk/gtk.h>
#include <stdlib.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/renderer.h>
#include <wx/simplebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "SmokeChooserGtk.h"
#include "SmokeContainer.h"
#include "SmokeDriver.h"
#include "forms/PictureFit.h"
#include "gui/Form1Frame.h"
#include "gui/Form5Frame.h"
#include "gui/Form6Dialog.h"
#include "gui/SorvaneApp.h"
#include "gui/WxText.h"

namespace sorvane::smoke {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(wxListCtrl* list) {
  std::vector<std::string> names;
  for (int i = 0; i < list->GetItemCount(); ++i) names.push_back(Utf8(list->GetItemText(i)));
  return names;
}

std::vector<std::string> Names(const std::map<std::string, std::string>& members) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : members) names.push_back(name);
  return names;
}

int EntryIndex(wxListCtrl* list, const std::string& name) {
  const auto names = Entries(list);
  return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

wxPoint EntryCentre(wxListCtrl* list, int index) {
  wxRect rect;
  list->GetItemRect(index, rect);
  return list->ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
}

// The middle of an entry's check box, at the start of its first column.
wxPoint EntryCheckBox(wxListCtrl* list, int index) {
  wxRect rect;
  list->GetItemRect(index, rect);
  const wxSize box = wxRendererNative::Get().GetCheckBoxSize(list);
  return list->ClientToScreen(wxPoint(rect.x + 6 + box.x / 2, rect.y + rect.height / 2));
}

bool AnyChildLabelContains(wxWindow* parent, const wxString& text) {
  for (wxWindow* child : parent->GetChildren()) {
    if (child->GetLabel().Contains(text) || AnyChildLabelContains(child, text)) return true;
  }
  return false;
}

class SmokeApp : public SorvaneApp {
 public:
  bool OnInit() override;
  int OnRun() override {
    SorvaneApp::OnRun();
    return driver_->Done() ? 0 : 1;
  }
  int OnExit() override {
    std::error_code ignored;
    fs::remove_all(work_, ignored);
    return SorvaneApp::OnExit();
  }

 protected:
  ProgramFile& TheProgramFile() override { return programFile_; }
  std::string FirstArgument() override { return {}; }

 private:
  void Script();
  void ChooseFolderSteps(const std::string& why, bool first);

  FixedProgramFile programFile_;
  fs::path work_, out_, temp_;
  SmokeMembers members_;
  std::unique_ptr<SmokeDriver> driver_;
};

bool SmokeApp::OnInit() {
  if (argc < 2) return false;
  char pattern[] = "/tmp/sorvane-smoke-XXXXXX";
  work_ = mkdtemp(pattern);
  out_ = work_ / "Ausgabe";
  temp_ = work_ / "temp";
  fs::create_directories(work_ / "Programm");
  fs::create_directories(out_);
  fs::create_directories(temp_);
  fs::permissions(temp_, fs::perms::owner_all);  // private, or the program makes its own inside
  setenv("TMPDIR", temp_.c_str(), 1);
  // A normal start registers the program: in the test's own registry and
  // desktop menu, not the user's.
  setenv("ORVEL_REGISTRY_DIR", (work_ / "registry").c_str(), 1);
  setenv("XDG_DATA_HOME", (work_ / "data").c_str(), 1);
  KeepUpdateWizardAway();
  programFile_.path = (work_ / "Programm" / "sorvane").string();
  members_ = WriteSmokeContainer((work_ / "Programm").string());
  fs::copy_file(SORVANE_SAMPLE_CONTAINER, work_ / "Programm" / "Beispiel.zvq");
  driver_ = std::make_unique<SmokeDriver>(Utf8(argv[1]));
  if (!SorvaneApp::OnInit()) return false;
  Script();
  driver_->Run();
  return true;
}

// The folder browser as a person uses it: the first time it opens at the
// home folder, and the output folder is typed into its location field and
// taken with Enter; later it opens at the folder chosen last, and its accept
// button is clicked.
void SmokeApp::ChooseFolderSteps(const std::string& why, bool first) {
  SmokeDriver& d = *driver_;
  const std::string expected = first ? Utf8(wxGetHomeDir()) : out_.string();
  d.Add("folder browser for " + why,
        [] { return ShownFolderChooser() != nullptr && !ChooserFolder(ShownFolderChooser()).empty(); },
        [this, first, expected, &d] {
          GtkWidget* dialog = ShownFolderChooser();
          d.Expect(std::string(gtk_window_get_title(GTK_WINDOW(dialog))) ==
                       "Geben Sie das Verzeichnis an, in das die Dateien extrahiert werden sollen.",
                   "the browser's prompt");
          d.Expect(ChooserFolder(dialog) == expected, "the browser opens at " + expected);
          if (first) {
            d.Key('L', wxMOD_CONTROL);
            d.Type(out_.c_str());
            d.Key(WXK_RETURN);
          } else {
            d.ClickAt(WidgetCentre(gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT)));
          }
        });
}

void SmokeApp::Script() {
  SmokeDriver& d = *driver_;
  Form1Frame* main = &Program()->MainWindow();
  Form5Frame* preview = &Program()->PreviewWindow();
  Form6Dialog* wait = &Program()->WaitWindow();
  wxListCtrl* files = main->ListView_Files;
  const auto page = [main] { return main->Notebook->GetSelection(); };
  d.describe = [=] {
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    return "page " + std::to_string(page()) + ", main window " + (main->IsEnabled() ? "enabled" : "disabled") +
           ", progress " + std::to_string(wait->ProgressBar->GetValue()) + " of " +
           std::to_string(wait->ProgressBar->GetRange()) + (loop && loop->IsYielding() ? ", yielding" : "");
  };

  d.Add("page 0 lists the container",
        [=] {
          return main->IsShownOnScreen() && main->ListView_ProgPath->GetItemCount() == 2 &&
                 !main->Button_Next->IsEnabled() && !main->Button_Back->IsEnabled();
        },
        [=, this, &d] {
          auto names = Entries(main->ListView_ProgPath);
          std::sort(names.begin(), names.end());
          d.Expect(names == std::vector<std::string>{"Beispiel.zvq", "Probe.zvq"}, "both containers listed");
          d.Expect(main->GetTitle() == "Sorvane", "caption Sorvane");
          d.Expect(main->GetClientSize() == wxSize(570, 390), "client area 570 x 390");
          d.Screenshot(main, "page0-choose");
          d.ClickAt(EntryCentre(main->ListView_ProgPath, EntryIndex(main->ListView_ProgPath, "Probe.zvq")));
        });
  // ">" needs Shift on every keyboard: Alt+Shift+">" is "Weiter &>".
  d.Add("selection enables Weiter", [=] { return main->Button_Next->IsEnabled(); },
        [&d] { d.Key('>', wxMOD_ALT | wxMOD_SHIFT); });
  d.Add("container loaded: login page",
        [=] { return page() == 1 && main->IsEnabled() && !wait->IsShown(); },
        [=, this, &d] {
          d.Expect(Utf8(main->Label_Title->GetLabelText()) == "Beispiel für den Test", "title");
          d.Expect(Utf8(main->Label_Author->GetLabelText()) == "Müller & Söhne", "author with its ampersand");
          d.Expect(!main->RadioButton_Guest->GetValue() && !main->RadioButton_LogIn->GetValue(), "no choice");
          d.Expect(!main->Button_Next->IsEnabled() && main->Button_Back->IsEnabled(), "buttons of page 1");
          d.Screenshot(main, "page1-login");
          // The choice's mnemonic selects it and runs its click handler.
          d.Key('G', wxMOD_ALT);
        });
  d.Add("guest chosen", [=] { return main->RadioButton_Guest->GetValue() && main->Button_Next->IsEnabled(); },
        [&d] { d.Key(WXK_RETURN); });
  d.Add("password query", [] { return ShownWindowTitled(Wx("Passwort erforderlich")) != nullptr; },
        [&d] {
          wxWindow* query = ShownWindowTitled(Wx("Passwort erforderlich"));
          d.Expect(FindChild<wxButton>(query, "OK") && FindChild<wxButton>(query, "Abbrechen"), "OK, Abbrechen");
          d.Screenshot(query, "password-query");
          d.Type("gast");
          d.Key(WXK_RETURN);
        });
  d.Add("guest's members on page 2", [=] { return page() == 2 && files->GetItemCount() == 3; },
        [=, this, &d] {
          d.Expect(Entries(files) == Names(members_.guest), "the guest's members, sorted");
          d.Expect(!main->Button_Extract->IsEnabled() && !main->Button_Execute->IsEnabled(), "no tick");
          d.Expect(!main->Button_Cancel->IsShown() && main->Button_Next->GetLabel() == "Be&enden", "page 2");
          d.Screenshot(main, "page2-files");
          d.ClickAt(EntryCentre(files, 0));
        });
  d.Add("first entry selected", [=] { return main->FilesSelection() == 0; }, [&d] { d.Key(WXK_SPACE); });
  d.Add("space ticks it", [=] { return files->IsItemChecked(0) && main->Button_Extract->IsEnabled(); },
        [&d] { d.Key('A', wxMOD_ALT); });
  d.Add("Alt+A ticks all",
        [=] { return files->IsItemChecked(0) && files->IsItemChecked(1) && files->IsItemChecked(2); },
        [=, this, &d] { d.Click(main->Button_Extract); });
  ChooseFolderSteps("extract all", true);
  d.Add("guest's members extracted",
        [this, main] {
          if (!main->IsActive() && ShownWindowTitled(Wx("Warnung"))) return false;
          for (const auto& [name, bytes] : members_.guest) {
            if (!fs::exists(out_ / name) || ReadWholeFile(out_ / name) != bytes) return false;
          }
          return true;
        },
        [this, &d] {
          std::ofstream(out_ / "Brief.txt") << "geändert";
          d.Key('N', wxMOD_ALT);
        });
  d.Add("Alt+N unticks all",
        [=] { return !files->IsItemChecked(0) && !files->IsItemChecked(2) && !main->Button_Extract->IsEnabled(); },
        [=, &d] { d.ClickAt(EntryCentre(files, 0)); });
  d.Add("the list has the focus again",
        [=] {
          for (wxWindow* w = wxWindow::FindFocus(); w != nullptr; w = w->GetParent()) {
            if (w == files) return true;
          }
          return false;
        },
        [&d] { d.Key(WXK_SPACE); });
  d.Add("Brief.txt ticked alone",
        [=] { return files->IsItemChecked(0) && !files->IsItemChecked(1) && main->Button_Extract->IsEnabled(); },
        [=, &d] { d.ClickAt(EntryCheckBox(files, 2)); });
  // The second click waits out the double-click time, as a person's would.
  const auto ticked = std::make_shared<std::chrono::steady_clock::time_point>();
  d.Add("a click on a check box ticks it",
        [=] {
          if (!files->IsItemChecked(2) || !files->IsItemChecked(0)) return false;
          if (*ticked == std::chrono::steady_clock::time_point()) *ticked = std::chrono::steady_clock::now();
          return std::chrono::steady_clock::now() - *ticked > std::chrono::milliseconds(800);
        },
        [=, &d] { d.ClickAt(EntryCheckBox(files, 2)); });
  d.Add("a second click unticks it",
        [=] { return !files->IsItemChecked(2) && files->IsItemChecked(0) && main->Button_Extract->IsEnabled(); },
        [=, this, &d] { d.Click(main->Button_Extract); });
  ChooseFolderSteps("overwrite declined", false);
  d.Add("overwrite question", [] { return ShownWindowTitled(Wx("Warnung")) != nullptr; },
        [this, &d] {
          wxWindow* question = ShownWindowTitled(Wx("Warnung"));
          d.Expect(AnyChildLabelContains(question, Wx("Die Datei " + (out_ / "Brief.txt").string() +
                                                       " existiert bereits. Soll Sie überschrieben werden?")),
                   "the overwrite question's text");
          wxButton* yes = FindChild<wxButton>(question, Wx("&Ja"));
          wxButton* yesAll = FindChild<wxButton>(question, Wx("Ja, alle"));
          wxButton* no = FindChild<wxButton>(question, Wx("&Nein"));
          wxButton* noAll = FindChild<wxButton>(question, Wx("Nein, alle"));
          d.Expect(yes && yesAll && no && noAll, "buttons &Ja, Ja, alle, &Nein and Nein, alle");
          d.Screenshot(question, "overwrite-question");
          d.Expect(yes->GetScreenPosition().x < yesAll->GetScreenPosition().x &&
                       yesAll->GetScreenPosition().x < no->GetScreenPosition().x &&
                       no->GetScreenPosition().x < noAll->GetScreenPosition().x,
                   "the buttons in this order from the left");
          d.Key(WXK_ESCAPE);
        });
  d.Add("Esc keeps the file",
        [this, main] { return ShownWindowTitled(Wx("Warnung")) == nullptr && main->IsEnabled(); },
        [this, main, &d] {
          d.Expect(ReadWholeFile(out_ / "Brief.txt") == "geändert", "the file kept");
          d.Click(main->Button_Extract);
        });
  ChooseFolderSteps("overwrite accepted", false);
  d.Add("overwrite question again", [] { return ShownWindowTitled(Wx("Warnung")) != nullptr; },
        [&d] { d.Click(FindChild<wxButton>(ShownWindowTitled(Wx("Warnung")), Wx("&Ja"))); });
  d.Add("&Ja replaces the file",
        [this] { return ReadWholeFile(out_ / "Brief.txt") == members_.guest.at("Brief.txt"); },
        [=, this, &d] { d.ClickAt(EntryCentre(files, 1)); });
  d.Add("photo selected", [=] { return main->FilesSelection() == 1; },
        [=, this, &d] { d.Click(main->Button_Preview); });
  d.Add("preview shows the photo", [=] { return preview->IsShownOnScreen() && !preview->PictureRect().IsEmpty(); },
        [this, preview, main, &d] {
          const wxSize client = preview->GetClientSize();
          const PictureRect fit = FitPicture(160, 100, client.x, client.y);
          d.Expect(preview->PictureRect() == wxRect(fit.Left, fit.Top, fit.Width, fit.Height), "fitted picture");
          d.Expect(preview->GetTitle() == "Bildervorschau", "preview caption");
          d.Expect(fs::is_empty(temp_), "the temporary copy deleted");
          d.Screenshot(preview, "preview");
          d.Click(main->Button_Back);
        });
  d.Add("back on page 1", [=] { return page() == 1 && !preview->IsShown(); },
        [=, this, &d] {
          d.Expect(main->Edit_UserName->IsEmpty() && !main->Button_Next->IsEnabled(), "page 1 reset");
          d.Key('D', wxMOD_ALT);
        });
  d.Add("user login chosen by its mnemonic",
        [=] { return main->RadioButton_LogIn->GetValue() && main->Button_Next->IsEnabled(); },
        [=, &d] {
          d.Click(main->Edit_UserName);
          d.Type("leser");
          d.Key(WXK_TAB);
          d.Type("geheim");
          d.Key(WXK_RETURN);
        });
  d.Add("user's members on page 2", [=] { return page() == 2 && files->GetItemCount() == 3; },
        [=, this, &d] {
          d.Expect(Entries(files) == Names(members_.user), "the user's members, sorted by word order");
          d.Screenshot(main, "page2-user");
          d.Click(main->Button_Back);
        });
  // Back to the first page and on with the sample container: its guest
  // needs no password.
  d.Add("back on page 1 again", [=] { return page() == 1; }, [=, &d] { d.Click(main->Button_Back); });
  // The sample through the open dialog, its name typed without extension.
  d.Add("back on page 0", [=] { return page() == 0 && main->GetTitle() == "Sorvane"; },
        [=, &d] { d.Click(main->SpeedButton_Open); });
  const std::string sample = (work_ / "Programm" / "Beispiel").string();
  d.Add("open dialog", [] { return ShownFolderChooser() != nullptr; },
        [sample, &d] {
          d.Key('L', wxMOD_CONTROL);
          d.Type(sample.c_str());
          // The chooser may have completed the name inline (as selected
          // text): take that back, so the dialog gets the name as typed.
          d.Key(WXK_DELETE);
          d.Key(WXK_RETURN);
        });
  d.Add("sample loaded", [=] { return page() == 1 && main->IsEnabled() && !wait->IsShown(); },
        [=, &d] {
          d.Expect(Utf8(main->GetTitle()) == "Sorvane - [" + sample + ".zvq]", "the default extension completed");
          d.Click(main->RadioButton_Guest);
        });
  d.Add("guest chosen for the sample", [=] { return main->Button_Next->IsEnabled(); },
        [&d] { d.Key(WXK_RETURN); });
  d.Add("the sample's guest members on page 2", [=] { return page() == 2 && files->GetItemCount() > 0; },
        [=, &d] {
          d.Expect(Entries(files) == std::vector<std::string>{"Gästebuch.txt", "Schachbrett.BMP",
                                                              "Sonnenuntergang.JPG", "Willkommen.txt"},
                   "the sample's guest members, sorted by word order");
          d.Screenshot(main, "page2-sample");
          d.Click(main->Button_Next);
        });
}

}  // namespace
}  // namespace sorvane::smoke

wxIMPLEMENT_APP(sorvane::smoke::SmokeApp);
