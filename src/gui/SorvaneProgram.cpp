#include "gui/SorvaneProgram.h"

#include <wx/bmpbuttn.h>

#include "app/DefaultErrorDisplay.h"
#include "components/setup/ReadFileVersion.h"
#include "gui/ExtractFormDialog.h"
#include "gui/Form1Frame.h"
#include "gui/Form5Frame.h"
#include "gui/Form6Dialog.h"
#include "gui/InfoDialog.h"

namespace sorvane {
namespace {

// The main window's info button: the About box with the program's icon.
class ProgramInfoBox final : public InfoBox {
 public:
  explicit ProgramInfoBox(TInfo& info) : info_(info) {}
  void ShowInfo(const std::string& title, const std::string& developmentTime) override {
    info_.ShowInfo(title, developmentTime, ProgramIcon());
  }

 private:
  TInfo& info_;
};

}  // namespace

SorvaneProgram::SorvaneProgram(ProgramFile& programFile, const std::string& firstArgument, ProgramUpdates updates)
    : services_{*files_, dialogs_, *shell_, *systemFolders_, *locale_, *codePage_, programFile, *pictureDecoder_},
      readFileVersion_([this](const std::string& path) { return ReadFileVersion(*versionInfo_, path); }),
      registry_(OpenUserRegistryStore()),
      pump_(eventQueue_, *clock_, kPumpIntervalMs),
      firstArgument_(firstArgument) {
  // The start order of the windows: the main window, whose components come
  // first and whose creation handler runs before any further window exists;
  // then the preview, the wait window and the About box.
  form1_ = new Form1Frame(dialogs_);
  form1_->SetIcon(ProgramWxIcon());
  application_.SetMainWindow(form1_);
  // The update component (with its hidden wizard window) comes before the
  // setup component.
  update_ = std::make_unique<ProgramUpdate>(
      *form1_, ProgramUpdate::Services{*files_, dialogs_, *systemFolders_, *locale_, *codePage_, *registry_, programFile,
                                       *clock_, pump_, application_});
  components_ = std::make_unique<ProgramComponents>(
      *update_, update_->ComponentServices(),
      SetupServices{*registry_, dialogs_, *codePage_, application_, *desktopMenu_, readFileVersion_, firstArgument,
                    ApplicationTitle, programFile.NativeProgramPath(), ProgramIconPng()},
      updates);
  wizard_ = std::make_unique<Wizard>(services_, *form1_, previewView_, waitView_, progressView_, pump_, *clock_);
  form1_->Attach(wizard_->Form1());
  wizard_->Form1().SetStartupComponents(components_.get());
  wizard_->CreateMainWindow();

  form5_ = new Form5Frame(form1_);
  form6_ = new Form6Dialog(form1_);
  previewView_.Bind(form5_->View());
  waitView_.Bind(form6_->View());
  form6_->SetCloseQuery([this] { return wizard_->Form6().FormCloseQuery(); });
  // Not among the windows the program's start names: it belongs with the
  // wait window, and like it stays hidden until long work shows it.
  extractForm_ = new ExtractFormDialog(form1_);
  progressView_.Bind(extractForm_->View());
  extractForm_->SetCancel([this] { wizard_->ExtractForm().Button_CancelClick(); });
  extractForm_->SetCloseQuery([this] { return wizard_->ExtractForm().FormCloseQuery(); });
  wizard_->CreateOtherWindows();

  info_ = new InfoDialog(form1_, dialogs_);
  tinfo_ = std::make_unique<TInfo>(
      *info_, InfoServices{*shell_, *codePage_, bitmaps_, windows_, programFile, readFileVersion_});
  info_->Attach(*tinfo_);
  RunHandler(dialogs_, [this] { tinfo_->FormCreate(); });
  infoBox_ = std::make_unique<ProgramInfoBox>(*tinfo_);
  wizard_->Form1().SetInfoBox(infoBox_.get());
}

SorvaneProgram::~SorvaneProgram() {
  // The windows are gone; the update wizard's teardown ends the program's
  // run (next reminder, the prepared installation's start).
  if (update_ != nullptr) update_->Teardown();
}

void SorvaneProgram::Show() {
  if (application_.Terminated()) return;
  form1_->Show();
  form1_->CallAfter([this] {
    RunHandler(dialogs_, [this] { wizard_->Form1().OpenCommandLineFile(firstArgument_); });
  });
}

}  // namespace sorvane
