#include "gui/SorvaneProgram.h"

#include <wx/bmpbuttn.h>

#include "gui/Form1Frame.h"
#include "gui/Form5Frame.h"
#include "gui/Form6Dialog.h"

namespace sorvane {

SorvaneProgram::SorvaneProgram(ProgramFile& programFile)
    : services_{files_, dialogs_, shell_, systemFolders_, locale_, codePage_, programFile, pictureDecoder_},
      pump_(eventQueue_, clock_, kPumpIntervalMs) {
  // The start order of the windows: the main window, whose creation handler
  // runs before any further window exists; then the preview and the wait
  // window. The About box comes last once it exists (it then also sets the
  // message font on the other windows).
  form1_ = new Form1Frame(dialogs_);
  wizard_ = std::make_unique<Wizard>(services_, *form1_, previewView_, waitView_, pump_);
  form1_->Attach(wizard_->Form1());
  // Setup registration and the update service (StartupComponents) and the
  // About box (InfoBox) are not attached yet: the creation skips their steps
  // and the info button stays disabled.
  form1_->SpeedButton_Info->Disable();
  wizard_->CreateMainWindow();

  form5_ = new Form5Frame(form1_);
  form6_ = new Form6Dialog(form1_);
  previewView_.Bind(form5_->View());
  waitView_.Bind(form6_->View());
  form6_->SetCloseQuery([this] { return wizard_->Form6().FormCloseQuery(); });
  wizard_->CreateOtherWindows();
}

SorvaneProgram::~SorvaneProgram() = default;

void SorvaneProgram::Show() { form1_->Show(); }

}  // namespace sorvane
