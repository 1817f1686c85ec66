// The main window's start, its pages and page 0 (choosing and loading a
// container).
#include "app/TForm1.h"

#include "app/DefaultErrorDisplay.h"
#include "components/setup/OrvelSetup.h"
#include "platform/FilePath.h"
#include "platform/FormatSize.h"

namespace sorvane {
namespace {

constexpr char kNextCaption[] = "Weiter &>";
constexpr char kInvalidFileText[] = "Die ausgewählte Datei ist ungültig.";
constexpr char kInvalidFileTitle[] = "Ungültige Datei";
constexpr char kCreatorProgram[] = "ZVQCrtr.exe";
constexpr char kDevelopmentTime[] = "2003";

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

TForm1::TForm1(Form1View& view, TForm5& preview, TExtractForm& extractForm, MessagePump& pump,
               ContainerCatalogue& catalogue, const WizardServices& services)
    : view_(view),
      preview_(preview),
      extractForm_(extractForm),
      pump_(pump),
      catalogue_(catalogue),
      services_(services),
      extraction_(catalogue, services),
      files_(catalogue, services.codePage, services.locale) {
  // The window as designed, so that the wizard's state never depends on
  // what the toolkit side happened to build.
  view_.ShowPage(0);
  view_.SetEnabled(Form1Control::Button_Back, false);
  view_.SetEnabled(Form1Control::Button_Next, false);
  view_.SetText(Form1Control::Button_Next, kNextCaption);
  view_.SetEnabled(Form1Control::Button_Cancel, true);
  view_.SetVisible(Form1Control::Button_Cancel, true);
  view_.SetEnabled(Form1Control::Button_Extract, false);
  view_.SetEnabled(Form1Control::Button_Execute, false);
}

void TForm1::FormCreate() {
  if (components_ != nullptr) {
    // After a confirmed uninstall run the program is ending: nothing is
    // registered, checked or listed.
    if (components_->Uninstalled()) return;
    components_->RegisterProgram();
    const bool creatorPresent = services_.files.FileExists(services_.programFile.ProgramFolder() + kCreatorProgram);
    components_->SetZIPFileName(creatorPresent ? "ZVQ1.zip" : "ZVQ2.zip");
    components_->AutomaticUpdate();
    // "OnlyUpdate" ends the program after the wizard, and so does an
    // uninstall run after "&Nein": the window is never shown.
    if (components_->Terminated()) return;
  }
  view_.SetCaption(ApplicationTitle);
  CreateFileList();
}

void TForm1::CreateFileList() {
  view_.ClearProgPath();
  progPathNames_.clear();
  const std::string folder = services_.programFile.ProgramFolder();
  for (const FileEntry& entry : services_.files.FindFiles(folder, "*.zvq")) {
    progPathNames_.push_back(entry.name);
    view_.AddProgPath(entry.name, SizeText(catalogue_.GetFileSize(folder + entry.name)));
  }
  view_.SetEnabled(Form1Control::Label_ProgPath, !progPathNames_.empty());
}

void TForm1::Button_NextClick() {
  const int target = page_ < 2 ? page_ + 1 : page_;
  switch (page_) {
    case 0:
      if (!LoadStep()) return;
      break;
    case 1:
      if (!LoginStep()) return;
      break;
    default:
      view_.Close();
      return;
  }
  if (target != page_) {
    page_ = target;
    view_.ShowPage(page_);
  }
}

bool TForm1::LoadStep() {
  if (catalogue_.ContainerPath.empty()) {
    const int selected = view_.ProgPathSelection();
    // Without a selection there is nothing to load (the button is disabled
    // then; only a stray call gets here).
    if (selected < 0 || static_cast<std::size_t>(selected) >= progPathNames_.size()) return false;
    catalogue_.ContainerPath = services_.programFile.ProgramFolder() + progPathNames_[static_cast<std::size_t>(selected)];
  }
  try {
    const ScopedFlag loading(busy_);
    catalogue_.LoadCatalogue();
  } catch (...) {
    // A path kept after a failure would be loaded again by every later
    // "Weiter &>", whatever entry the user selects then; forgetting it lets
    // the next step take the selection. The caption, which the open dialog
    // may have set to the failed file, goes back with it.
    catalogue_.ContainerPath.clear();
    view_.SetCaption(ApplicationTitle);
    throw;
  }
  view_.SetEnabled(Form1Control::Button_Back, true);
  ResetLoginPage();
  view_.SetText(Form1Control::Label_Author, services_.codePage.AnsiToUtf8(catalogue_.Author));
  view_.SetText(Form1Control::Label_Title, services_.codePage.AnsiToUtf8(catalogue_.Title));
  view_.SetEnabled(Form1Control::Button_Next, false);
  return true;
}

void TForm1::Button_BackClick() {
  if (page_ == 1) {
    view_.SetEnabled(Form1Control::Button_Back, false);
    view_.SetEnabled(Form1Control::Button_Next, false);
    view_.SetCaption(ApplicationTitle);
    // The next "Weiter &>" takes the list's selection again.
    catalogue_.ContainerPath.clear();
    CreateFileList();
  } else if (page_ == 2) {
    if (preview_.Visible()) preview_.Close();
    view_.SetVisible(Form1Control::Button_Cancel, true);
    view_.SetText(Form1Control::Button_Next, kNextCaption);
    ResetLoginPage();
    view_.SetEnabled(Form1Control::Button_Next, false);
  } else {
    return;
  }
  --page_;
  view_.ShowPage(page_);
}

void TForm1::Button_CancelClick() { view_.Close(); }

void TForm1::ListView_ProgPathSelectItem() {
  // The list is rebuilt while page 1 is still shown; that must not touch
  // page 1's button.
  if (page_ != 0) return;
  view_.SetEnabled(Form1Control::Button_Next, view_.ProgPathSelection() >= 0);
}

void TForm1::SpeedButton_OpenClick() {
  OpenDialogOptions options;
  options.DefaultExt = "zvq";
  options.Filter = "Sorvane-Dateien (*.zvq)|*.zvq";
  options.HideReadOnly = true;
  options.PathMustExist = true;
  options.FileMustExist = true;
  options.EnableSizing = true;
  const std::optional<std::string> chosen = services_.dialogs.OpenFile(options);
  if (chosen) OpenChosenFile(*chosen);
}

void TForm1::OpenCommandLineFile(const std::string& firstArgument) {
  if (firstArgument.empty() || firstArgument == texts::kUninstallParam) return;
  if (components_ != nullptr && components_->Uninstalled()) return;
  // The wizard keeps full paths, as the open dialog gives them; the file
  // manager may hand over a relative one.
  OpenChosenFile(services_.files.ExpandFileName(firstArgument));
}

void TForm1::OpenChosenFile(const std::string& path) {
  if (UpperAscii(ExtractFileExt(path)) != ".ZVQ") {
    services_.dialogs.ShowMessage(kInvalidFileText, kInvalidFileTitle, MessageIcon::Error);
    return;
  }
  catalogue_.ContainerPath = path;
  view_.SetCaption(std::string(ApplicationTitle) + " - [" + catalogue_.ContainerPath + "]");
  Button_NextClick();
}

void TForm1::SpeedButton_InfoClick() {
  if (info_ != nullptr) info_->ShowInfo(ApplicationTitle, kDevelopmentTime);
}

std::string TForm1::SizeText(std::int64_t size) {
  return FormatSize(1, false, size, services_.locale.DecimalSeparator());
}

}  // namespace sorvane
